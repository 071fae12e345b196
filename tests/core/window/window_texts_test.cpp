// The window's texts: menus in three languages and what a cell says to a screen reader.
#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "texts/window_texts.h"

namespace velmora {
namespace {

// The key after '&' of a caption, lower-cased (UTF-8 letters compared as bytes).
std::string accessKey(std::string_view caption) {
    const std::size_t at = caption.find('&');
    if (at == std::string_view::npos || at + 1 >= caption.size()) return {};
    std::string key(
        caption.substr(at + 1, (static_cast<unsigned char>(caption[at + 1]) < 0x80) ? 1 : 2));
    for (char& c : key)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

TEST(WindowTextsTest, EveryLanguageNamesTheSameEntriesWithDistinctKeysPerMenu) {
    const auto english = menuTable(0);
    for (int language = 0; language <= 2; ++language) {
        const auto table = menuTable(language);
        ASSERT_EQ(table.size(), english.size());
        std::set<std::string> keys;
        std::set<std::string> titles;
        for (std::size_t i = 0; i < table.size(); ++i) {
            EXPECT_EQ(table[i].control, english[i].control);
            const std::string key = accessKey(table[i].caption);
            EXPECT_FALSE(key.empty()) << table[i].caption;
            // A menu title starts a new menu; entries share keys with nothing in their menu.
            if (table[i].control.starts_with("mnu")) {
                EXPECT_TRUE(titles.insert(key).second) << table[i].caption;
                keys.clear();
            } else {
                EXPECT_TRUE(keys.insert(key).second) << language << " " << table[i].caption;
            }
        }
    }
}

TEST(WindowTextsTest, ACellSaysWhereItIsAndWhatItHolds) {
    CellSpeech value{"5", true, false, false, {}, false};
    EXPECT_EQ(cellName(2, 6, value, 0), "r3c7: 5, given");
    value.given = false;
    value.conflict = true;
    EXPECT_EQ(cellName(2, 6, value, 1), "Z3S7: 5, Konflikt");
    const CellSpeech open{"", false, false, true, {"1", "4", "8"}, true};
    EXPECT_EQ(cellName(0, 1, open, 0), "r1c2: candidates 1 4 8, highlighted");
    EXPECT_EQ(cellName(0, 1, open, 2), "L1C2 : candidats 1 4 8, en évidence");
    EXPECT_EQ(cellName(17, 17, CellSpeech{}, 0), "r18c18: empty");
    EXPECT_EQ(cellName(0, 0, CellSpeech{"", false, false, true, {}, false}, 1),
              "Z1S1: keine Kandidaten");
}

}  // namespace
}  // namespace velmora
