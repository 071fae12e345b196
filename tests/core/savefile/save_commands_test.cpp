// The Save and Load commands: dialogs, the forced name, and saves that must not lose a file.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include "save_bench.h"
#include "savefile/save_text_writer.h"

namespace velmora::test {
namespace {

int filesIn(const std::filesystem::path& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++count;
    return count;
}

TEST(SaveCommands, DialogsAreAskedWithTheirTitleFilterAndFolder) {
    SaveBench bench;
    std::string none;
    bench.wb->fControl().fSave(none);
    const FileDialogRequest& save = bench.dialogs.lastRequest;
    EXPECT_EQ(save.title, "Save Current Puzzle");
    EXPECT_EQ(save.filter, "Sudoku Velmora files (*.svl)|*.svl|All files|*.*");
    EXPECT_EQ(save.defaultExtension, "svl");
    EXPECT_EQ(save.initialFolder, bench.savedFolder());
    EXPECT_TRUE(save.confirmOverwrite);

    bench.wb->fControl().fload(none);
    EXPECT_EQ(bench.dialogs.lastRequest.title, "Load a saved Puzzle");
    EXPECT_FALSE(bench.dialogs.lastRequest.confirmOverwrite);
}

TEST(SaveCommands, CancelledDialogsChangeNothing) {
    SaveBench bench;
    const std::string before = writeSaveText(bench.pc(), "p", "t");
    std::string none;
    bench.wb->fControl().fSave(none);
    bench.wb->fControl().fload(none);
    EXPECT_TRUE(bench.messages.shown.empty());
    EXPECT_EQ(filesIn(bench.savedFolder()), 0);
    EXPECT_EQ(writeSaveText(bench.pc(), "p", "t"), before);
}

TEST(SaveCommands, TheChosenFileIsUsed) {
    SaveBench bench(2, 3);
    const std::filesystem::path chosen = bench.folder.path() / "elsewhere.svl";
    bench.dialogs.answer = chosen;
    std::string none;
    bench.wb->fControl().fSave(none);
    ASSERT_TRUE(std::filesystem::exists(chosen));

    SaveBench other;
    other.dialogs.answer = chosen;
    other.wb->fControl().fload(none);
    EXPECT_TRUE(other.messages.shown.empty());
    EXPECT_EQ(other.pc().nDim, 6);
}

TEST(SaveCommands, SavingReplacesAnEarlierFileWhole) {
    SaveBench bench(4, 4);
    const std::filesystem::path target = bench.savedFolder() / "over.svl";
    writeBytes(target, std::string(100000, 'x'));
    std::filesystem::permissions(
        target, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    bench.save("over.svl");
    EXPECT_TRUE(bench.messages.shown.empty());
    EXPECT_EQ(readBytes(target), writeSaveText(bench.pc(), target.string(), kFixedTime));
    EXPECT_EQ(std::filesystem::status(target).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(filesIn(bench.savedFolder()), 1);
}

TEST(SaveCommands, AFolderThatDoesNotExistGivesTheWritingMessage) {
    SaveBench bench;
    std::filesystem::remove(bench.savedFolder());
    bench.save("lost.svl");
    ASSERT_EQ(bench.messages.shown.size(), 1u);
    EXPECT_EQ(bench.messages.shown[0],
              "Sorry - error writing save file " + (bench.savedFolder() / "lost.svl").string());
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
    SaveBench bench;
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
    ASSERT_EQ(bench.messages.shown.size(), 1u);
    EXPECT_EQ(bench.messages.shown[0], "Sorry - error writing save file " + target.string());
    EXPECT_EQ(readBytes(target), earlier);
    EXPECT_EQ(filesIn(bench.savedFolder()), 1);  // no temporary file left behind
}

TEST(SaveCommands, AnUnwritableFolderKeepsTheEarlierFile) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    SaveBench bench;
    bench.save("kept.svl");
    const std::filesystem::path target = bench.savedFolder() / "kept.svl";
    const std::string earlier = readBytes(target);
    std::filesystem::permissions(bench.savedFolder(), std::filesystem::perms::owner_read |
                                                          std::filesystem::perms::owner_exec);
    bench.pc().Experimental = true;
    bench.save("kept.svl");
    ASSERT_EQ(bench.messages.shown.size(), 1u);
    EXPECT_EQ(bench.messages.shown[0], "Sorry - error writing save file " + target.string());
    EXPECT_EQ(readBytes(target), earlier);
}

TEST(SaveCommands, SavingChangesNothingInTheProgram) {
    SaveBench bench;
    bench.cells().getcellBigindex(3).scPush();
    bench.cells().getcellBigindex(3).putEntered(2);
    const std::string before = writeSaveText(bench.pc(), "p", "t");
    bench.save("same.svl");
    EXPECT_EQ(writeSaveText(bench.pc(), "p", "t"), before);
    EXPECT_EQ(bench.wb->fControl().undoCount(), 1);
}

}  // namespace
}  // namespace velmora::test
