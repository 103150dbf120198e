// The hand-written set file: what it describes, and the line each fault is reported on.
#include <gtest/gtest.h>

#include "kurzory/set_file.h"

namespace {

using kurzory::ParseSetFile;
using kurzory::SetDescription;

std::string Refusal(const std::string& text) {
    const auto parsed = ParseSetFile("d/sada.txt", text);
    const std::string* refusal = std::get_if<std::string>(&parsed);
    return refusal ? *refusal : std::string("(přijato)");
}

TEST(SetFile, DescribesTheSetWithPathsBesideItAndRolesInSchemeOrder) {
    const auto parsed = ParseSetFile(
        "d/sada.txt",
        "\xEF\xBB\xBF# poznámka\r\n"
        "název = Modrá\r\n"
        "velikosti = 64, 32 48 32\r\n"
        "\r\n"
        "[Wait]\r\n"
        "snímek = 0.1 a.png /abs/b.png\r\n"
        "snímek = 1.5 c.png\r\n"
        "bod = 3,4\r\n"
        "bod 32 = 1, 2\r\n"
        "[arrow]\r\n"
        "soubor = sipka.cur\r\n");
    ASSERT_TRUE(std::holds_alternative<SetDescription>(parsed)) << std::get<std::string>(parsed);
    const SetDescription& set = std::get<SetDescription>(parsed);
    EXPECT_EQ(set.name, "Modrá");
    EXPECT_EQ(set.sizes, (std::vector<int>{32, 48, 64}));
    EXPECT_EQ(set.inherits, "Adwaita");
    EXPECT_EQ(set.comment, "Sada kurzorů Modrá");
    ASSERT_EQ(set.roles.size(), 2u);
    EXPECT_EQ(set.roles[0].role->windowsName, "Arrow");
    EXPECT_EQ(set.roles[0].cursorFile, "d/sipka.cur");
    const auto& wait = set.roles[1];
    ASSERT_EQ(wait.frames.size(), 2u);
    EXPECT_EQ(wait.frames[0].pictures, (std::vector<std::string>{"d/a.png", "/abs/b.png"}));
    EXPECT_EQ(wait.frames[0].twentieths, 2);
    EXPECT_EQ(wait.frames[1].twentieths, 30);
    EXPECT_EQ(wait.frames[1].place.line, 7);
    EXPECT_EQ(wait.hotSpot->x, 3);
    EXPECT_EQ(wait.hotSpotBySize.at(32).y, 2);
}

TEST(SetFile, EachFaultNamesTheFileAndItsLine) {
    const std::string head = "název = X\nvelikosti = 32\n";
    EXPECT_EQ(Refusal(head + "[Arrow]\nbarva = modrá\n").rfind("d/sada.txt:4: neznámý klíč", 0), 0u);
    EXPECT_EQ(Refusal(head + "[Arrow]\nobrázky = a.png\nbod = 1,1\n[Arrow]\n").rfind("d/sada.txt:6: role Arrow už je popsána na řádku 3", 0), 0u);
    EXPECT_EQ(Refusal(head + "[Arrow]\nobrázky = a.png\nsoubor = b.cur\n").rfind("d/sada.txt:5: ", 0), 0u);
    EXPECT_EQ(Refusal(head + "[Wait]\nsnímek = 0.01 a.png\n").rfind("d/sada.txt:4: neplatná doba", 0), 0u);
    EXPECT_EQ(Refusal(head + "[Wait]\nsnímek = 0.1\n").rfind("d/sada.txt:4: ", 0), 0u) << "a time and no picture";
    EXPECT_EQ(Refusal(head + "[Arrow]\nsoubor = a.cur\nbod = 1,1\n").rfind("d/sada.txt:3: ", 0), 0u);
    EXPECT_EQ(Refusal(head + "[Arrow]\nobrázky = a.png\n").rfind("d/sada.txt:3: kurzoru chybí aktivní bod", 0), 0u);
    EXPECT_EQ(Refusal("název = X\nvelikosti = 32 300\n").rfind("d/sada.txt:2: neplatná velikost „300“", 0), 0u);
    EXPECT_EQ(Refusal("název = a/b\n").rfind("d/sada.txt:1: ", 0), 0u);
    // Only separators: no size, no time and no picture, not an empty list.
    EXPECT_EQ(Refusal("název = X\nvelikosti = , ,\n").rfind("d/sada.txt:2: ", 0), 0u);
    EXPECT_EQ(Refusal(head + "[Wait]\nsnímek = ,\n").rfind("d/sada.txt:4: ", 0), 0u);
    EXPECT_EQ(Refusal(head + "[Arrow]\nobrázky = ,\nbod = 1,1\n").rfind("d/sada.txt:4: ", 0), 0u);
    EXPECT_EQ(Refusal("velikosti = 32\n[Arrow]\nsoubor = a.cur\n").rfind("d/sada.txt:3: sadě chybí klíč „název“", 0), 0u);
    EXPECT_EQ(Refusal(head).rfind("d/sada.txt:2: sada nepopisuje žádný kurzor", 0), 0u);
}

}  // namespace
