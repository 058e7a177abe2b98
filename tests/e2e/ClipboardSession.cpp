#include "ClipboardSession.h"

#include "Wait.h"

#include <stdexcept>

namespace e2e {

ClipboardSession::ClipboardSession()
{
    if (!WaitUntil([] { return OpenClipboard(nullptr) != FALSE; })) {
        throw std::runtime_error("OpenClipboard failed");
    }
}

ClipboardSession::~ClipboardSession()
{
    CloseClipboard();
}

} // namespace e2e
