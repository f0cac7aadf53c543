#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

struct ProcessRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadBack(std::FILE* file) {
    std::string text;
    std::rewind(file);
    char buffer[65536];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, got);
    std::fclose(file);
    return text;
}

// Runs velmar-rop with exactly these arguments, no shell in between, so any bytes get through.
// A run that hangs is ended by the alarm after 10 s and shows as status 128 + SIGALRM.
ProcessRun RunProgram(const std::vector<std::string>& args) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fileno(out), 1);
        dup2(fileno(err), 2);
        alarm(10);
        std::vector<char*> argv{const_cast<char*>(VELMAR_ROP_PROGRAM)};
        for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(VELMAR_ROP_PROGRAM, argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ProcessRun run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.out = ReadBack(out);
    run.err = ReadBack(err);
    return run;
}

std::size_t CountLines(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

void ExpectOneErrorLineOnly(const ProcessRun& run) {
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(CountLines(run.err), 1u) << run.err;
    EXPECT_LT(run.err.size(), 300u) << run.err;
}

}  // namespace

TEST(VelmarRopProgram, ExitStatusesStreamsAndTable) {
    const ProcessRun ok = RunProgram({"--index", "88"});
    EXPECT_EQ(ok.status, 0);
    EXPECT_NE(ok.out.find("SRCAND"), std::string::npos);
    EXPECT_EQ(ok.err, "");
    const ProcessRun bad = RunProgram({"P & Q"});
    EXPECT_EQ(bad.status, 1);
    ExpectOneErrorLineOnly(bad);
    const ProcessRun usage = RunProgram({"--bogus"});
    EXPECT_EQ(usage.status, 2);
    ExpectOneErrorLineOnly(usage);
    EXPECT_EQ(CountLines(RunProgram({"--table"}).out), 1u + 256u);
    EXPECT_EQ(CountLines(RunProgram({"--table", "--json"}).out), 2u + 256u);
}

// Linux caps one argument at 128 KiB; the model tests take a megabyte directly.
TEST(VelmarRopProgram, LongArgumentsAreHandled) {
    const ProcessRun opens = RunProgram({std::string(120000, '(')});
    EXPECT_EQ(opens.status, 1);
    ExpectOneErrorLineOnly(opens);
    const ProcessRun nots = RunProgram({"--expr", std::string(120000, '~') + "P"});
    EXPECT_NE(nots.out.find("Index          0xF0"), std::string::npos);
    const ProcessRun operands = RunProgram({"--rpn", std::string(120000, 'D')});
    EXPECT_EQ(operands.status, 1);
    ExpectOneErrorLineOnly(operands);
}

TEST(VelmarRopProgram, RandomArgumentsGiveAReportOrOneErrorLine) {
    std::mt19937 random(7);
    const std::vector<std::string> flags = {"--", "--rpn", "--expr", "--rows", "--index", "--code"};
    const std::string symbols = "PSD01aoxn~!&^|() x";
    for (int i = 0; i < 300; ++i) {
        std::string text(1 + random() % 40, ' ');
        for (char& c : text)
            c = random() % 3 == 0 ? static_cast<char>(1 + random() % 255)
                                  : symbols[random() % symbols.size()];
        const ProcessRun run = RunProgram({flags[random() % flags.size()], text});
        ASSERT_TRUE(run.status == 0 || run.status == 1) << "status " << run.status;
        if (run.status == 0)
            EXPECT_TRUE(run.err.empty() &&
                        run.out.find("\nRow  P  S  D  Result\n") != std::string::npos);
        else
            ExpectOneErrorLineOnly(run);
    }
}
