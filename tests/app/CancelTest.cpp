// End-to-end: Ctrl-C (SIGINT) stops a run at its next pump, the result keeps
// every hit written until then, and the summary still follows.
//
// The result is a FIFO that the test reads: once the program has written more
// than the FIFO and its own buffer can hold, it waits for the test, so the
// signal always arrives while the run is in progress, never before it has
// started or after it has ended.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/app/CliTest.h"

namespace clitest {
namespace {

constexpr int RecordTotal = 200000;

std::string Record(int number)
{
    return "hit," + std::to_string(number) + ",東京";
}

// Everything written into fd until its writer closes it.
std::string ReadToEnd(int fd)
{
    std::string bytes;
    char buffer[65536];
    for (;;) {
        ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return bytes;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

TEST_F(CliTest, InterruptStopsTheRunAndKeepsWhatWasWritten)
{
    std::string records;
    std::string expected;
    for (int number = 1; number <= RecordTotal; ++number) {
        records += Sjis(Record(number)) + "\n";
        expected += Sjis(Record(number)) + "\r\n";
    }
    WriteBytes("large.csv", records);
    ASSERT_EQ(::mkfifo(Path("result.fifo").c_str(), 0600), 0);
    // Opened without waiting for a writer, so that the program's open finds a reader.
    int fifo = ::open(Path("result.fifo").c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(fifo, 0);

    CliProcess process(CliLaunch{{"-e", "東京", "-o", "result.fifo", "large.csv"}, Path(""), {}});
    ASSERT_TRUE(process.Started());
    pollfd ready{fifo, POLLIN, 0};
    ASSERT_EQ(::poll(&ready, 1, -1), 1);  // the run has begun writing
    ::fcntl(fifo, F_SETFL, ::fcntl(fifo, F_GETFL) & ~O_NONBLOCK);
    process.Signal(SIGINT);
    const std::string written = ReadToEnd(fifo);
    ::close(fifo);
    CliResult result = process.Finish();

    EXPECT_EQ(result.status, 130) << result.err;
    ASSERT_FALSE(written.empty());
    EXPECT_LT(written.size(), expected.size());
    EXPECT_EQ(written, expected.substr(0, written.size())) << "the result must be the hits in order";
    EXPECT_TRUE(written.ends_with("\r\n")) << "the run stops between records";
    const int hits = static_cast<int>(std::count(written.begin(), written.end(), '\n'));
    EXPECT_EQ(WithoutTimes(result.out), SummaryText(1, hits, "result.fifo", 0));
}

}  // namespace
}  // namespace clitest
