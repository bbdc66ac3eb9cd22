// Start-up of the desktop program: the command line, which folder opens,
// and one running instance per user.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QTest>
#include <fstream>

#include "ShellFixture.h"
#include "app/AppArguments.h"
#include "app/StartFolder.h"
#include "support/TempFolder.h"

namespace velno::app {
namespace {

namespace fs = std::filesystem;

TEST(AppArguments, DataTodayAndDemo) {
    const auto a = parseAppArguments({"--data", "/srv/sidang", "--today=2026-03-04"});
    ASSERT_TRUE(a.error.empty()) << a.error;
    EXPECT_EQ(fs::path("/srv/sidang"), *a.dataFolder);
    EXPECT_EQ(2026, a.today->year);
    EXPECT_EQ(3, a.today->month);
    EXPECT_EQ(4, a.today->day);
    EXPECT_TRUE(parseAppArguments({"--demo"}).demo);
    EXPECT_FALSE(parseAppArguments({"--today", "2026-02-30"}).error.empty());
    EXPECT_FALSE(parseAppArguments({"--data"}).error.empty());
    EXPECT_FALSE(parseAppArguments({"--demo", "--data", "x"}).error.empty());
    EXPECT_FALSE(parseAppArguments({"stray"}).error.empty());
}

class StartFolderTest : public ::testing::Test {
protected:
    StartFolderInput input() {
        StartFolderInput in;
        in.currentDirectory = home.path();
        in.demoFolder = home.path() / "demo";
        return in;
    }
    test::TempFolder home;
};

TEST_F(StartFolderTest, CurrentDirectoryWithDataFilesIsTheDataFolder) {
    std::ofstream(home.file("TDAT9.BIN")) << std::string(816, '\0');
    const StartFolder s = chooseStartFolder(input());
    EXPECT_EQ(StartFolder::Kind::Open, s.kind);
    EXPECT_EQ(home.path(), s.folder);
}

TEST_F(StartFolderTest, LauncherInTheHomeFolderOpensTheFolderUsedLast) {
    fs::create_directory(home.path() / "data");
    auto in = input();
    in.lastUsed = home.path() / "data";
    const StartFolder s = chooseStartFolder(in);
    EXPECT_EQ(StartFolder::Kind::Open, s.kind);
    EXPECT_EQ(home.path() / "data", s.folder);
    // The folder used last is gone: ask.
    in.lastUsed = home.path() / "gone";
    EXPECT_EQ(StartFolder::Kind::Ask, chooseStartFolder(in).kind);
}

TEST_F(StartFolderTest, FirstStartAsks) {
    EXPECT_EQ(StartFolder::Kind::Ask, chooseStartFolder(input()).kind);
}

TEST_F(StartFolderTest, DataArgumentWinsAndDemoIsCreatedOnce) {
    auto in = input();
    in.dataArgument = home.path() / "elsewhere";
    EXPECT_EQ(StartFolder::Kind::Open, chooseStartFolder(in).kind);
    in.dataArgument.reset();
    in.demo = true;
    EXPECT_EQ(StartFolder::Kind::CreateDemo, chooseStartFolder(in).kind);
    test::writeDemo(in.demoFolder, 20);
    const StartFolder s = chooseStartFolder(in);
    EXPECT_EQ(StartFolder::Kind::Open, s.kind);
    EXPECT_EQ(in.demoFolder, s.folder);
}

QString velnoExecutable() {
#ifdef VELNO_APP_PATH
    return QStringLiteral(VELNO_APP_PATH);
#else
    return QCoreApplication::applicationDirPath() + "/../src/app/velno";
#endif
}

TEST(SingleInstance, SecondStartBringsTheFirstForwardAndEnds) {
    const QString program = velnoExecutable();
    if (!QFileInfo(program).isExecutable()) GTEST_SKIP() << "velno not built";
    test::TempFolder dir;
    test::writeDemo(dir.path() / "data", 20);
    const QString name = QString("velno-test-%1-%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(reinterpret_cast<quintptr>(&dir));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("VELNO_INSTANCE_NAME", name);
    env.insert("XDG_CONFIG_HOME", QString::fromStdString((dir.path() / "config").string()));
    env.insert("XDG_DATA_HOME", QString::fromStdString((dir.path() / "share").string()));
    const QStringList args{"--data", QString::fromStdString((dir.path() / "data").string()),
                           "--today", "2026-12-08"};

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(program, args);
    ASSERT_TRUE(first.waitForStarted(5000));
    // Wait until the first one listens.
    bool listening = false;
    for (int i = 0; i < 200 && !listening; ++i) {
        QLocalSocket probe;
        probe.connectToServer(name);
        listening = probe.waitForConnected(50);
        if (!listening) QTest::qWait(50);
    }
    ASSERT_TRUE(listening) << first.readAllStandardError().toStdString();

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(program, args);
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(QProcess::NormalExit, second.exitStatus());
    EXPECT_EQ(0, second.exitCode());

    // The first one is still there and was asked to come forward.
    QByteArray log;
    for (int i = 0; i < 100 && !log.contains("come forward"); ++i) {
        first.waitForReadyRead(50);
        log += first.readAllStandardError();
    }
    EXPECT_EQ(QProcess::Running, first.state());
    EXPECT_TRUE(log.contains("come forward")) << log.toStdString();
    first.kill();
    first.waitForFinished(5000);
}

}  // namespace
}  // namespace velno::app
