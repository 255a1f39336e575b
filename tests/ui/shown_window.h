// A fresh main window, shown and active, for the main window's tests.
#pragma once

#include <memory>

#include <QtTest>

#include "mainform.h"
#include "window_internals.h"

namespace vorn::test {

inline std::unique_ptr<Tmain> ShownWindow() {
    auto window = std::make_unique<Tmain>();
    window->resize(1000, 700);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) qWarning("window not active");
    return window;
}

// Puts code at a node as one edit of the document, which then counts as
// changed.
inline void EditDocument(Tmain& window, int x, int y, std::int32_t code) {
    const auto before = std::make_unique<CellGrid>(window.Document().Cells());
    window.Document().Cells().at(x, y) = code;
    window.Document().CommitGesture(*before);
}

}  // namespace vorn::test
