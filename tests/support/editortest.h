// SPDX-License-Identifier: GPL-2.0-or-later
// The editor fixture of the main window's tests: one editor with a neighbour to take the focus away, in
// a window of its own, under the main-window tests' settings.
#pragma once

#include "support/apptestsupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

template <class Editor> class EditorTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        auto* layout = new QVBoxLayout(&window);
        edit = new Editor(&window);
        other = new QLineEdit(&window);
        layout->addWidget(edit);
        layout->addWidget(other);
        window.show();
        window.activateWindow();
        (void)QTest::qWaitForWindowActive(&window);
        edit->setFocus();
    }
    // The neighbour takes the focus, as a Tab would give it.
    void leave() { other->setFocus(Qt::TabFocusReason); }

    QWidget window;
    Editor* edit = nullptr;
    QLineEdit* other = nullptr;
};
