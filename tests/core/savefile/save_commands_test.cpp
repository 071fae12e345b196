// Saves that must not lose a file. (The dialogs, the chosen file and Cancel are the save and load
// window test's.)
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include "savefile/save_text_writer.h"
#include "support/puzzle_fixture.h"

namespace velmora::test {
namespace {

int filesIn(const std::filesystem::path& folder) {
    const std::filesystem::directory_iterator entries(folder);
    return static_cast<int>(std::distance(begin(entries), end(entries)));
}

std::string writingFailed(const std::filesystem::path& path) {
    return "Sorry - error writing save file " + path.string();
}

TEST(SaveCommands, SavingReplacesAnEarlierFileWholeAndChangesNothingInTheProgram) {
    Bench bench(4, 4);
    bench.cells().getcellBigindex(3).scPush();
    bench.cells().getcellBigindex(3).putEntered(2);
    const std::string before = writeSaveText(bench.pc(), "p", "t");
    const std::filesystem::path target = bench.savedFolder() / "over.svl";
    const auto permissions =
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
    writeBytes(target, std::string(100000, 'x'));
    std::filesystem::permissions(target, permissions);
    bench.save("over.svl");
    EXPECT_TRUE(bench.messages.shown.empty());
    EXPECT_EQ(readBytes(target), writeSaveText(bench.pc(), target.string(), kFixedTime));
    EXPECT_EQ(std::filesystem::status(target).permissions(), permissions);
    EXPECT_EQ(filesIn(bench.savedFolder()), 1);
    EXPECT_EQ(writeSaveText(bench.pc(), "p", "t"), before);
    EXPECT_EQ(bench.history().undoCount(), 1);
}

TEST(SaveCommands, AFolderThatDoesNotExistGivesTheWritingMessage) {
    Bench bench;
    std::filesystem::remove(bench.savedFolder());
    bench.save("lost.svl");
    EXPECT_EQ(bench.messages.shown,
              std::vector<std::string>{writingFailed(bench.savedFolder() / "lost.svl")});
}

// Writes past a small file-size limit fail, as on a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit old_{};
    void (*previous_)(int) = nullptr;
};

TEST(SaveCommands, AFailedWriteKeepsTheEarlierFile) {
    Bench bench;
    bench.enterGivens(std::string(81, '.').replace(0, 3, "123"));
    bench.save("kept.svl");
    const std::filesystem::path target = bench.savedFolder() / "kept.svl";
    const std::string earlier = readBytes(target);
    ASSERT_GT(earlier.size(), 2000u);

    bench.enterGivens(std::string(81, '.').replace(0, 3, "456"));
    {
        const FileSizeLimit limit(1000);
        bench.save("kept.svl");
    }
    EXPECT_EQ(bench.messages.shown, std::vector<std::string>{writingFailed(target)});
    EXPECT_EQ(readBytes(target), earlier);
    EXPECT_EQ(filesIn(bench.savedFolder()), 1);  // no temporary file left behind
}

TEST(SaveCommands, AnUnwritableFolderKeepsTheEarlierFile) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    Bench bench;
    bench.save("kept.svl");
    const std::filesystem::path target = bench.savedFolder() / "kept.svl";
    const std::string earlier = readBytes(target);
    std::filesystem::permissions(bench.savedFolder(), std::filesystem::perms::owner_read |
                                                          std::filesystem::perms::owner_exec);
    bench.pc().Experimental = true;
    bench.save("kept.svl");
    EXPECT_EQ(bench.messages.shown, std::vector<std::string>{writingFailed(target)});
    EXPECT_EQ(readBytes(target), earlier);
}

}  // namespace
}  // namespace velmora::test
