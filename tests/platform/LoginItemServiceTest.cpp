#include "platform/LoginItemService.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

using murvane::LoginItemService;
using Status = LoginItemService::Status;

namespace {

struct Folder {
    QTemporaryDir root;
    QString autostart() const { return root.path() + "/config/autostart"; }
    // A stand-in executable with characters that need quoting and escaping.
    QString executable() const { return root.path() + "/my games/murvane $olitaire 100%"; }
    LoginItemService service() const { return LoginItemService(autostart(), executable()); }

    void write(const QString& name, const QByteArray& contents) const
    {
        QDir().mkpath(autostart());
        QFile file(autostart() + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    QByteArray read(const QString& name) const
    {
        QFile file(autostart() + "/" + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
};

// desktop-file-validate's verdict on a file: empty when it is clean.
std::string validate(const QString& path)
{
    const std::string command = "desktop-file-validate '" + path.toStdString() + "' 2>&1; echo exit=$?";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe))
            output += buffer;
        pclose(pipe);
    }
    return output == "exit=0\n" ? std::string() : output;
}

} // namespace

TEST(LoginItemService, RegistersUnregistersAndRegistersAgainWithAValidEntry)
{
    Folder folder;
    LoginItemService service = folder.service();
    EXPECT_EQ(service.status(), Status::notRegistered);

    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(service.registerLoginItem());
        EXPECT_EQ(service.status(), Status::enabled);
        EXPECT_EQ(validate(service.entryPath()), "");
        EXPECT_EQ(LoginItemService::programOfExec(
                      QString::fromUtf8(folder.read(LoginItemService::kEntryFileName))
                          .section("Exec=", 1)
                          .section('\n', 0, 0)),
                  folder.executable());
        if (round == 0) {
            ASSERT_TRUE(service.unregisterLoginItem());
            EXPECT_EQ(service.status(), Status::notRegistered);
            EXPECT_FALSE(QFile::exists(service.entryPath()));
        }
    }
    // Nothing but our entry is left behind (no temporary files).
    EXPECT_EQ(QDir(folder.autostart()).entryList(QDir::Files), QStringList{LoginItemService::kEntryFileName});
}

TEST(LoginItemService, ReadsForeignDisabledAndBrokenEntriesAsAStatus)
{
    struct Case {
        const char* what;
        QByteArray entry; // "%EXEC%" stands for this executable's Exec value
        Status status;
    };
    const Case cases[] = {
        {"ours", "[Desktop Entry]\nType=Application\nExec=%EXEC%\n", Status::enabled},
        {"hidden by the desktop", "[Desktop Entry]\nExec=%EXEC%\nHidden=true\n", Status::requiresApproval},
        {"switched off in GNOME", "[Desktop Entry]\nExec=%EXEC% --x\nX-GNOME-Autostart-enabled=false\n",
         Status::requiresApproval},
        {"a moved build", "[Desktop Entry]\nExec=/opt/old/murvane-solitaire\n", Status::notRegistered},
        {"another program", "[Desktop Entry]\nExec=sh -c 'rm -rf /'\n", Status::notRegistered},
        {"unterminated quote", "[Desktop Entry]\nExec=\"/tmp/x\n", Status::notRegistered},
        {"exec in another group", "[Other]\nExec=%EXEC%\n[Desktop Entry]\nName=x\n", Status::notRegistered},
        {"binary junk", QByteArray("\x00\xff\xfe[Desktop", 9), Status::notRegistered},
        {"empty", "", Status::notRegistered},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Folder folder;
        const QByteArray exec = QString::fromUtf8(LoginItemService::entryContents(folder.executable()))
                                    .section("Exec=", 1)
                                    .section('\n', 0, 0)
                                    .toUtf8();
        QByteArray entry = c.entry;
        folder.write(LoginItemService::kEntryFileName, entry.replace("%EXEC%", exec));
        folder.write("other-program.desktop", "[Desktop Entry]\nExec=/usr/bin/other\n");
        LoginItemService service = folder.service();
        EXPECT_EQ(service.status(), c.status);

        // Turning it off removes only an entry that runs us; another
        // program's entry is never touched.
        EXPECT_TRUE(service.unregisterLoginItem());
        EXPECT_EQ(QFile::exists(service.entryPath()), c.status == Status::notRegistered);
        EXPECT_EQ(folder.read("other-program.desktop"), "[Desktop Entry]\nExec=/usr/bin/other\n");
        // Turning it on replaces whatever stood in our entry's place.
        EXPECT_TRUE(service.registerLoginItem());
        EXPECT_EQ(service.status(), Status::enabled);
        EXPECT_EQ(folder.read("other-program.desktop"), "[Desktop Entry]\nExec=/usr/bin/other\n");
    }
}

TEST(LoginItemService, AFolderThatCannotExistOrAnUnknownExecutableReadsAsNotFound)
{
    Folder folder;
    // A plain file where the config folder should be (chmod would not stop
    // root, which runs these tests).
    QFile blocker(folder.root.path() + "/config");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    LoginItemService blocked = folder.service();
    EXPECT_EQ(blocked.status(), Status::notFound);
    EXPECT_FALSE(blocked.registerLoginItem());
    EXPECT_TRUE(blocked.unregisterLoginItem());
    EXPECT_EQ(blocked.status(), Status::notFound);

    for (const QString& executable : {QString(), QString("relative/path"), QString("/tmp/new\nline")}) {
        LoginItemService unknown(folder.root.path() + "/elsewhere", executable);
        EXPECT_EQ(unknown.status(), Status::notFound);
        EXPECT_FALSE(unknown.registerLoginItem());
        EXPECT_FALSE(QDir(folder.root.path() + "/elsewhere").exists());
    }
}
