// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

namespace {

// Points the registry at a folder of the test's own.
class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_old = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_dir.path().toUtf8());
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", m_old); }
    QString iniPath() const { return m_dir.filePath(QStringLiteral("przelew/registry.ini")); }
    void writeIni(const QByteArray& bytes)
    {
        QDir().mkpath(m_dir.filePath(QStringLiteral("przelew")));
        QFile f(iniPath());
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }

    QTemporaryDir m_dir;
    QByteArray m_old;
};

} // namespace

TEST_F(RegistryTest, FileLivesUnderTheConfigFolder)
{
    EXPECT_EQ(Registry::filePath(), iniPath());
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(Registry::filePath(), QDir::homePath() + QStringLiteral("/.config/przelew/registry.ini"));
}

TEST_F(RegistryTest, OpeningDoesNotCreate)
{
    {
        Registry r;
        EXPECT_EQ(r.status(), Registry::Status::Ok);
        EXPECT_FALSE(r.keyExists(QStringLiteral("PropertiesStore1")));
    }
    EXPECT_FALSE(QFile::exists(iniPath()));
}

TEST_F(RegistryTest, ValuesRoundTripAndDeleteTakesEverythingBelow)
{
    {
        Registry r;
        ASSERT_TRUE(r.createKey(QStringLiteral("A")));
        r.writeString(QStringLiteral("A/B"), QStringLiteral("Text"), QStringLiteral("0012, \"x\" = y"));
        r.writeString(QStringLiteral("A/B/[ClassName]"), QStringLiteral("ClassName"), QStringLiteral("T"));
        r.writeString(QStringLiteral("A"), QStringLiteral("Other"), QStringLiteral("1"));
        r.writeString(QStringLiteral("Z"), QStringLiteral("Keep"), QStringLiteral("2"));
        ASSERT_TRUE(r.flush());
    }
    {
        Registry r;
        EXPECT_TRUE(r.keyExists(QStringLiteral("A\\B")));
        EXPECT_EQ(r.valueNames(QStringLiteral("A/B")), QStringList { QStringLiteral("Text") });
        EXPECT_EQ(
            r.readString(QStringLiteral("A/B"), QStringLiteral("Text")), QStringLiteral("0012, \"x\" = y"));
        EXPECT_EQ(r.readString(QStringLiteral("A/B/[ClassName]"), QStringLiteral("ClassName")),
            QStringLiteral("T"));
        r.deleteKey(QStringLiteral("A"));
    }
    Registry r;
    EXPECT_FALSE(r.keyExists(QStringLiteral("A")));
    EXPECT_FALSE(r.hasValue(QStringLiteral("A/B"), QStringLiteral("Text")));
    EXPECT_EQ(r.readString(QStringLiteral("Z"), QStringLiteral("Keep")), QStringLiteral("2"));
}

TEST_F(RegistryTest, ADamagedFileIsKeptAsideAndNotOverwritten)
{
    const QByteArray damaged("\x00\x01garbage\xff\n", 11);
    writeIni(damaged);
    {
        Registry r;
        EXPECT_EQ(r.status(), Registry::Status::Corrupt);
        EXPECT_EQ(r.statusDetail(), iniPath() + QStringLiteral(".corrupt"));
        EXPECT_FALSE(r.keyExists(QStringLiteral("PropertiesStore1")));
        ASSERT_TRUE(r.createKey(QStringLiteral("K")));
        r.writeString(QStringLiteral("K"), QStringLiteral("V"), QStringLiteral("1"));
    }
    QFile aside(iniPath() + QStringLiteral(".corrupt"));
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), damaged);
    EXPECT_EQ(Registry().readString(QStringLiteral("K"), QStringLiteral("V")), QStringLiteral("1"));
}

TEST_F(RegistryTest, AnUnreadableFileIsNeverWritten)
{
    QDir().mkpath(iniPath()); // a folder where the file should be
    Registry r;
    EXPECT_EQ(r.status(), Registry::Status::Unreadable);
    EXPECT_FALSE(r.statusDetail().isEmpty());
    EXPECT_FALSE(r.createKey(QStringLiteral("K")));
    EXPECT_FALSE(r.writeString(QStringLiteral("K"), QStringLiteral("V"), QStringLiteral("1")));
    EXPECT_FALSE(r.flush());
}

TEST_F(RegistryTest, AFolderThatCannotBeMadeFailsCreation)
{
    // The config folder is a file, so nothing can be made below it.
    QFile blocker(m_dir.filePath(QStringLiteral("przelew")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Registry r;
    EXPECT_FALSE(r.createKey(QStringLiteral("PropertiesStore1")));
}
