// SPDX-License-Identifier: GPL-2.0-or-later
// A test under fixed regional settings: the default locale is set before each test and the system's
// restored after it.
#pragma once

#include <QLocale>
#include <gtest/gtest.h>

template <QLocale::Language Language, QLocale::Territory Territory>
class LocaleTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(Language, Territory)); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};
