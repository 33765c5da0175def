// SPDX-License-Identifier: GPL-2.0-or-later
// What the main-window tests share: Polish regional settings, a registry of their own in a temporary
// folder, the error display replaced by a list of the texts it was asked to show, and answers to the
// dialogs a test brings up.
#pragma once

#include "platform/errordisplay.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

class AppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        m_oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        m_previousHandler = platform::setErrorHandler([this](const QString& text) { errors << text; });
    }
    void TearDown() override
    {
        QCoreApplication::processEvents(); // queued messages land in this test's list
        platform::setErrorHandler(m_previousHandler);
        qputenv("XDG_CONFIG_HOME", m_oldConfig);
        QLocale::setDefault(QLocale::system());
    }
    QString configPath() const { return m_config.path(); }
    // Answers the next modal dialog once it is up.
    static void whenModal(const std::function<void(QWidget*)>& answer)
    {
        QTimer::singleShot(0, [answer] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            answer(modal);
        });
    }

    QStringList errors;

private:
    QTemporaryDir m_config;
    QByteArray m_oldConfig;
    platform::ErrorHandler m_previousHandler;
};
