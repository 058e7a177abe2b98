#include "MemoSaver.h"

#include <utility>

void MemoSaver::Remember(const MemoState& state)
{
    texts = state.texts;
    infos = state.infos;
}

void MemoSaver::Remember(MemoState&& state)
{
    texts = std::move(state.texts);
    infos = std::move(state.infos);
}

void MemoSaver::Forget()
{
    texts.clear();
    infos.clear();
}

MemoSaver& GetMemoSaver()
{
    // Deliberately leaked: memo windows may still save while static objects are being destroyed.
    static MemoSaver* const saver = new MemoSaver;
    return *saver;
}
