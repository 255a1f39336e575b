// A fresh main window, shown and active, for the main window's tests.
#pragma once

#include <memory>

#include <QtTest>

#include "mainform.h"

namespace vorn::test {

inline std::unique_ptr<Tmain> ShownWindow() {
    auto window = std::make_unique<Tmain>();
    window->resize(1000, 700);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) qWarning("window not active");
    return window;
}

}  // namespace vorn::test
