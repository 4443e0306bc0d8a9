// The trace tool's contract seen from outside: exit statuses, stderr and stdout.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <sys/wait.h>

namespace {

struct Outcome {
  int status = -1;
  std::string out, err;
};

std::string slurp(const std::string& path) {
  std::ifstream in(path);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

Outcome trace(const std::string& args, const std::string& script = "") {
  // ctest runs the cases of this file in parallel: each uses files of its own.
  const std::string dir =
      testing::TempDir() + testing::UnitTest::GetInstance()->current_test_info()->name() + ".";
  const std::string scriptPath = dir + "trace_test.script";
  if (!script.empty()) std::ofstream(scriptPath) << script;
  const std::string command = std::string(PARTICLES_TRACE) + " " + args +
                              (script.empty() ? "" : " " + scriptPath) + " >" + dir +
                              "trace_test.out 2>" + dir + "trace_test.err";
  Outcome run;
  const int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = slurp(dir + "trace_test.out");
  run.err = slurp(dir + "trace_test.err");
  return run;
}

TEST(TraceTool, UsageErrorsExitWithTwo) {
  for (const char* args : {"", "abc", "-1", "12x", "1 2 3", "5 /nonexistent/script"}) {
    const Outcome run = trace(args);
    EXPECT_EQ(run.status, 2) << "args: " << args;
    EXPECT_TRUE(run.out.empty()) << "args: " << args;
    EXPECT_NE(run.err.find("usage"), std::string::npos) << "args: " << args;
  }
}

TEST(TraceTool, MalformedScriptLinesNameTheirLine) {
  struct Case {
    const char* script;
    const char* line;
  };
  const Case cases[] = {
      {"1 down 72\n2 press 72\n", "line 2"},
      {"# comment\n\n0 down 72\n", "line 3"},
      {"1 down\n", "line 1"},
      {"1 down 256\n", "line 1"},
      {"1 down 7x\n", "line 1"},
      {"1 up 72 9\n", "line 1"},
      {"1 focus 3\n", "line 1"},
      {"x down 3\n", "line 1"},
  };
  for (const Case& c : cases) {
    const Outcome run = trace("10", c.script);
    EXPECT_EQ(run.status, 2) << c.script;
    EXPECT_TRUE(run.out.empty()) << c.script;
    EXPECT_NE(run.err.find(c.line), std::string::npos) << c.script << " gave " << run.err;
  }
}

TEST(TraceTool, EscapeStopsBeforeItsFrame) {
  const Outcome run = trace("50", "# stop\n  \n7 down 27\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("frames 6\n", 0), 0u) << run.out.substr(0, 40);
  EXPECT_TRUE(run.err.empty());
}

TEST(TraceTool, ZeroFramesPrintsTheSetUpStateWithoutText) {
  const Outcome run = trace("0");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "frames 0\n"
            "system 0 10000 10000 1 10 1 -80 0.930000007\n"
            "emitter 0 0 90 0 1 0 10 10 45 -22.5 4.5 0.00999999978 0.200000003 500 20 1\n"
            "settings 10 10 45 0.00999999978 0.200000003 500 20 1\n"
            "attractor -10 0 4 10 1.10000002 0 1\n"
            "attractor 10 0 4 10 1.10000002 0 1\n");
}

TEST(TraceTool, TextLinesOfTheLastFrame) {
  const Outcome run = trace("11", "3 down 72\n4 up 72\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("\ntext 704 576 FPS : 0\ntext 8 8 10 particles on screen\n"
                         "text 8 75 Up/Down: Move emitter away from/towards the camera (-80.0000000)\n"),
            std::string::npos);
  EXPECT_NE(run.out.find("\ntext 8 240 1/2/3/4/5: Change palette\n"), std::string::npos);
}

}  // namespace
