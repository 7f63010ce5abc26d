#include "headless_run.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vmtest {

std::string ProgramPath() {
  // The program is built next to the tests' folder.
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
  return (self.parent_path().parent_path() / "vestamark-host").string();
}

namespace {

std::string ShellQuoted(const std::string& word) {
  std::string out = "'";
  for (char c : word) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string SourceFolder() {
  const char* data = std::getenv("VESTAMARK_TEST_DATA");  // <source>/tests/data
  return data != nullptr ? std::filesystem::path(data).parent_path().parent_path().string() : ".";
}

}  // namespace

std::string HeadlessTest::Write(const std::string& name, const std::string& text) const {
  const std::string path = Path(name);
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

ProgramRun HeadlessTest::Host(const std::vector<std::string>& args, const std::string& shell) const {
  const std::string program = ProgramPath();
  EXPECT_TRUE(std::filesystem::exists(program)) << program << " is not built";
  std::string command = "cd " + ShellQuoted(folder->root()) + " && (" + shell + " exec " + ShellQuoted(program);
  for (const std::string& a : args) command.append(" ").append(ShellQuoted(a));
  command += ") >" + ShellQuoted(Path("stdout.txt")) + " 2>" + ShellQuoted(Path("stderr.txt"));
  const int raw = std::system(command.c_str());
  ProgramRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
  run.out = Slurp(Path("stdout.txt"));
  run.err = Slurp(Path("stderr.txt"));
  return run;
}

ProgramRun HeadlessTest::Grade(const std::string& session, const std::string& document) const {
  return Host({document, Write("session.txt", session), Path("graded.svg")});
}

std::string ExampleFile(const std::string& name) { return SourceFile("examples/" + name); }
std::string SourceFile(const std::string& relative) { return SourceFolder() + "/" + relative; }
std::string ExamplePatternPath() { return ExampleFile("bodice.svg"); }

std::vector<std::string> LeftOvers(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name[0] == '.') names.push_back(name);
  }
  return names;
}
std::string ExampleSessionPath() { return ExampleFile("grade-bodice.session"); }

}  // namespace vmtest
