// Windows scheme files: the ways schemes in the wild name their roles' files, and the file the
// sets write read back unchanged.
#include <gtest/gtest.h>

#include "kurzory/install_inf.h"
#include "kurzory/utf16_text.h"

namespace {

using kurzory::CursorScheme;
using kurzory::ReadInstallInf;

// "Role=file" for every role found, in the table's order.
std::string Found(const CursorScheme& scheme) {
    std::string text;
    for (const auto& file : scheme.files) text += std::string(file.role->windowsName) + "=" + file.fileName + " ";
    return text;
}

TEST(InstallInf, RolesByEachRoleValueOrByTheUsualStringNames) {
    // No scheme value: each role's own registry value, keys and data written bare.
    const CursorScheme ownValues = ReadInstallInf(
        "[Scheme.Reg]\n"
        "HKCU,Control Panel\\Cursors,Arrow,0x00020000,%10%\\%CUR_DIR%\\%ptr%\n"
        "HKCU,\"Control Panel\\Cursors\",\"IBeam\",0x00020000,\"%10%\\Cursors\\x\\beam.cur\"\n"
        "HKCU,\"Control Panel\\Cursors\",\"Scheme Source\",0x00010001,1\n"
        "[Strings]\nptr=\"a b.cur\"\nCUR_DIR=Cursors\\x\n");
    EXPECT_EQ(Found(ownValues), "Arrow=a b.cur IBeam=beam.cur ");
    // Nothing but the [Strings] names, the well-known misspelling among them; letter case ignored.
    const CursorScheme stringsOnly = ReadInstallInf(
        "[strings]\nSCHEME_NAME = \"Stará \"\"dobrá\"\"\"\nPointer = \"arrow.cur\"\nunavailiable = \"no.cur\"\n"
        "dgn2 = \"d2.cur\"\nperson = \"p.cur\"\n");
    EXPECT_EQ(Found(stringsOnly), "Arrow=arrow.cur No=no.cur SizeNESW=d2.cur Person=p.cur ");
    EXPECT_EQ(stringsOnly.name, "Stará \"dobrá\"");
}

TEST(InstallInf, SchemeValuePlacesWinOverStringNames) {
    // "link" would be Hand by its name, but the scheme value puts the file at the Arrow place.
    const CursorScheme scheme = ReadInstallInf(
        "[Reg]\r\nHKCU,\"Control Panel\\Cursors\\Schemes\",\"Mine\",,\"%10%\\%CUR_DIR%\\%link%,,,%10%\\w.ani\"\r\n"
        "[Strings]\r\nlink = \"first.cur\"\r\n");
    EXPECT_EQ(scheme.name, "Mine");
    EXPECT_EQ(Found(scheme), "Arrow=first.cur Wait=w.ani Hand=first.cur ");
}

TEST(InstallInf, WrittenSchemeReadsBackWithItsNameAndEveryRole) {
    CursorScheme scheme;
    scheme.name = "Žluťoučký 100% \"kůň\"";
    for (const auto& role : kurzory::CursorRoles())
        if (role.windowsName != "Pin") scheme.files.push_back({&role, std::string(role.windowsName) + ".cur"});
    const std::vector<std::uint8_t> bytes = kurzory::InstallInfBytes(scheme);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFE);
    const CursorScheme read = ReadInstallInf(kurzory::TextFileAsUtf8(bytes));
    EXPECT_EQ(read.name, scheme.name);
    EXPECT_EQ(Found(read), Found(scheme));
    EXPECT_EQ(kurzory::SchemeFolderName("a/b:c*d,e. "), "a_b_c_d_e._");
}

TEST(Utf16Text, EveryEncodingOfATextFileReadsAsUtf8) {
    const std::string text = "; Šipka 😀\r\n";
    const std::vector<std::uint8_t> little = kurzory::Utf16LittleEndianWithMark(text);
    EXPECT_EQ(kurzory::TextFileAsUtf8(little), text);
    std::vector<std::uint8_t> big{0xFE, 0xFF};
    for (std::size_t i = 2; i + 1 < little.size(); i += 2) big.insert(big.end(), {little[i + 1], little[i]});
    EXPECT_EQ(kurzory::TextFileAsUtf8(big), text);
    EXPECT_EQ(kurzory::TextFileAsUtf8(std::vector<std::uint8_t>(little.begin() + 2, little.end())), text) << "no mark";
    const std::vector<std::uint8_t> western{'n', 0xE9, 'e'};
    EXPECT_EQ(kurzory::TextFileAsUtf8(western), "n\u00e9e");
    const std::vector<std::uint8_t> withMark{0xEF, 0xBB, 0xBF, 'a'};
    EXPECT_EQ(kurzory::TextFileAsUtf8(withMark), "a");
}

}  // namespace
