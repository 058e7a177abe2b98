#include "RunningHandler.h"

#include "Application.h"

namespace ui {
namespace {
int running = 0;
} // namespace

RunningHandler::RunningHandler()
{
    ++running;
}

RunningHandler::~RunningHandler()
{
    if (--running == 0)
        Application::HandlersReturned();
}

int RunningHandler::Count()
{
    return running;
}

} // namespace ui
