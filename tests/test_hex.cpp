// Intel HEX records (decode) and files (FlashMemory::readFromHex): result codes,
// extended addresses, odd and long records, lines that are skipped, what a load
// leaves in memory and in the processor.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "hex_file.h"
#include "processeur.h"

namespace {

// One record with its checksum: ':' count offset type data checksum.
std::string record(int type, int offset, const std::vector<int>& data)
{
    char buf[4];
    std::string s = ":";
    int somme = 0;
    auto ajoute = [&](int octet) {
        std::snprintf(buf, sizeof buf, "%02X", octet & 0xFF);
        s += buf;
        somme += octet;
    };
    ajoute(static_cast<int>(data.size()));
    ajoute(offset >> 8);
    ajoute(offset);
    ajoute(type);
    for (int d : data)
        ajoute(d);
    ajoute(-somme);
    return s;
}

std::string fin() { return ":00000001FF"; }
std::string etendue(int haut) { return record(4, 0, {haut >> 8, haut & 0xFF}); }

// decode() on a heap copy of exactly the line's size, so that reading past its end
// is caught by the address sanitizer.
int decodeExact(const std::string& ligne, LigneDecode* ld)
{
    auto buf = std::make_unique<char[]>(ligne.size() + 1);
    std::memcpy(buf.get(), ligne.c_str(), ligne.size() + 1);
    return decode(buf.get(), ld);
}

int decodeLigne(const std::string& ligne)
{
    LigneDecode ld;
    return decodeExact(ligne, &ld);
}

TEST(HexDecode, HexDigitsAndBytes)
{
    for (int c = 1; c < 256; ++c) {
        const char s[2] = {static_cast<char>(c), 0};
        const int attendu = std::isxdigit(c) ? static_cast<int>(std::strtol(s, nullptr, 16)) : -1;
        ASSERT_EQ(hexDigit(s), attendu) << "character " << c;
    }
    EXPECT_EQ(hexByte("00"), 0);
    EXPECT_EQ(hexByte("fF"), 255);
    EXPECT_EQ(hexByte("A5"), 0xA5);
    EXPECT_EQ(hexByte("G1"), -1);
    EXPECT_EQ(hexByte("1G"), -1);
    EXPECT_EQ(hexByte("1"), -1);
    EXPECT_EQ(hexByte("-1"), -1);
}

TEST(HexDecode, EndOfFileRecord)
{
    LigneDecode ld;
    EXPECT_EQ(decodeExact(":00000001FF", &ld), 0);
    EXPECT_EQ(ld.t, 1);
    EXPECT_EQ(decodeLigne(":00000001FE"), -8);
    EXPECT_EQ(decodeLigne(":00000001"), -7);
    EXPECT_EQ(decodeLigne(":00000001F"), -7);
    // The byte count of an end-of-file record is not used: no data is read.
    EXPECT_EQ(decodeLigne(":02000001FD"), 0);
}

TEST(HexDecode, DataAndExtendedAddressRecords)
{
    LigneDecode ld;
    EXPECT_EQ(decodeExact(":0400000012EF00F00B", &ld), 0);
    EXPECT_EQ(ld.b, 4);
    EXPECT_EQ(ld.a, 0);
    EXPECT_EQ(ld.t, 0);
    EXPECT_EQ((std::vector<int>(ld.data, ld.data + 4)), (std::vector<int>{0x12, 0xEF, 0x00, 0xF0}));

    EXPECT_EQ(decodeExact(":0200000400F00A", &ld), 0);
    EXPECT_EQ(ld.t, 4);
    EXPECT_EQ(ld.data[0], 0x00);
    EXPECT_EQ(ld.data[1], 0xF0);

    // Offset high byte first; sums that wrap several times; lower case; trailing CR.
    const std::string r = record(0, 0xBEEF, std::vector<int>(16, 0xFF));
    EXPECT_EQ(decodeExact(r, &ld), 0);
    EXPECT_EQ(ld.a, 0xBEEF);
    std::string minuscules = r;
    for (char& c : minuscules)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    LigneDecode ld2;
    EXPECT_EQ(decodeExact(minuscules, &ld2), 0);
    EXPECT_EQ(ld2.a, ld.a);
    EXPECT_EQ(ld2.b, ld.b);
    EXPECT_EQ(std::vector<int>(ld2.data, ld2.data + 16), std::vector<int>(ld.data, ld.data + 16));
    EXPECT_EQ(decodeLigne(r + "\r"), 0);
    EXPECT_EQ(decodeLigne(r + "  ; anything"), 0);
}

TEST(HexDecode, LongestRecord)
{
    std::vector<int> data(255);
    for (int i = 0; i < 255; ++i)
        data[i] = (i * 7 + 3) & 0xFF;
    const std::string r = record(0, 0x1000, data);
    ASSERT_EQ(r.size(), static_cast<size_t>(longueurMaxEnregistrement));
    LigneDecode ld;
    EXPECT_EQ(decodeExact(r, &ld), 0);
    EXPECT_EQ(ld.b, 255);
    EXPECT_EQ(ld.data[254], data[254]);
}

TEST(HexDecode, EachFaultHasItsCode)
{
    const std::string bon = ":0400000012EF00F00B";
    auto altere = [&](size_t pos, char c) {
        std::string s = bon;
        s[pos] = c;
        return s;
    };
    EXPECT_EQ(decodeLigne("0400000012EF00F00B"), -1);
    EXPECT_EQ(decodeLigne(""), -1);
    EXPECT_EQ(decodeLigne(" " + bon), -1);
    EXPECT_EQ(decodeLigne(altere(2, 'x')), -2);
    EXPECT_EQ(decodeLigne(":"), -2);
    EXPECT_EQ(decodeLigne(altere(3, 'x')), -3);
    EXPECT_EQ(decodeLigne(altere(6, 'x')), -4);
    EXPECT_EQ(decodeLigne(altere(8, 'x')), -5);
    EXPECT_EQ(decodeLigne(":04000000"), -9);
    EXPECT_EQ(decodeLigne(altere(12, 'x')), -9);
    EXPECT_EQ(decodeLigne(":0400000012EF00F0"), -10);
    EXPECT_EQ(decodeLigne(":0400000012EF00F00"), -10);
    EXPECT_EQ(decodeLigne(":0400000012EF00F00C"), -11);
    EXPECT_EQ(decodeLigne(record(4, 0, {0x00, 0x30}).substr(0, 13) + "00"), -11);
    for (int type : {2, 3, 5, 0x10, 0xFF})
        EXPECT_EQ(decodeLigne(record(type, 0, {0x12, 0x34})), -6) << "type " << type;

    // What was decoded before the fault stays in the record.
    LigneDecode ld;
    EXPECT_EQ(decodeExact(record(2, 0x1234, {0, 0}), &ld), -6);
    EXPECT_EQ(ld.b, 2);
    EXPECT_EQ(ld.a, 0x1234);
    EXPECT_EQ(ld.t, 2);
}

// Loads through the processor, from files written in the test's temporary directory.
class HexLoading : public ::testing::Test
{
protected:
    std::unique_ptr<P18f4550> p = std::make_unique<P18f4550>();
    FlashMemory* fm = p->getFM();
    int numeroFichier = 0;

    std::string chemin()
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        return ::testing::TempDir() + "tavrex_" + std::to_string(getpid()) + "_" + info->name() + "_" +
               std::to_string(numeroFichier) + ".hex";
    }

    // Writes `contenu` as is (line ends included) and loads it.
    void chargeTexte(const std::string& contenu)
    {
        ++numeroFichier;
        const std::string nom = chemin();
        {
            std::ofstream f(nom, std::ios::binary);
            f << contenu;
        }
        EXPECT_EQ(p->readFromHex(nom.c_str()), 0);
        std::remove(nom.c_str());
    }

    void charge(const std::vector<std::string>& lignes, const std::string& finDeLigne = "\n")
    {
        std::string contenu;
        for (const std::string& l : lignes)
            contenu += l + finDeLigne;
        chargeTexte(contenu);
    }

    Byte octet(DWord adr)
    {
        Byte b = 0;
        fm->readByte(adr, b);
        return b;
    }

    void expectBilan(int lignes, int ignorees)
    {
        EXPECT_TRUE(fm->bilan().ouvert);
        EXPECT_EQ(fm->bilan().lignes, lignes);
        EXPECT_EQ(fm->bilan().lignesIgnorees, ignorees);
    }
};

TEST_F(HexLoading, DataRecordWritesBytesAndDecodesThem)
{
    charge({":0400000012EF00F00B", fin()});
    EXPECT_EQ(octet(0), 0x12);
    EXPECT_EQ(octet(1), 0xEF);
    EXPECT_EQ(octet(2), 0x00);
    EXPECT_EQ(octet(3), 0xF0);
    EXPECT_EQ(fm->getInstr(0)->numero(), Op::GOTO);
    EXPECT_EQ(fm->getInstr(0)->getInstr(), 0xEF12);
    EXPECT_EQ(fm->getInstr(1)->getInstr(), 0x00EF);
    EXPECT_EQ(fm->getInstr(2)->getInstr(), 0xF000);
    EXPECT_EQ(fm->getInstr(3)->getInstr(), 0x00F0);
    expectBilan(2, 0);
}

TEST_F(HexLoading, OddCountsAndOddAddressesWriteExactlyTheirBytes)
{
    charge({record(0, 0x40, std::vector<int>(8, 0xAA))});
    charge({record(0, 0x40, {1, 2, 3}),      // three bytes: a word and a lone byte
            record(0, 0x45, {5}),            // one byte at an odd address
            record(0, 0x47, {7, 8}),         // a word at an odd address
            record(0, 0x43, {})});           // nothing
    const std::vector<int> attendu = {1, 2, 3, 0xAA, 0xAA, 5, 0xAA, 7, 8, 0};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(octet(0x40 + i), attendu[i]) << "address " << 0x40 + i;
    EXPECT_EQ(fm->getInstr(0x46)->getInstr(), 0x07AA);
    EXPECT_EQ(fm->getInstr(0x44)->getInstr(), 0x05AA);
}

TEST_F(HexLoading, ExtendedAddressSelectsConfigurationAndOtherSpaces)
{
    charge({etendue(0x0030), record(0, 0x0005, {0xFF}), record(0, 0x0000, {0xFF, 0xFF}),
            etendue(0x00F0), record(0, 0x0000, {1, 2, 3, 4}),    // data EEPROM: dropped
            etendue(0x0020), record(0, 0x0000, {1, 2, 3, 4}),    // user ID: dropped
            etendue(0x003F), record(0, 0xFFFE, {0x55, 0x66}),    // device ID: read-only
            etendue(0x0000), record(0, 0x0006, {0x11, 0x22}), fin()});
    EXPECT_EQ(octet(0x300005), 0x87);
    EXPECT_EQ(octet(0x300000), 0x3F);
    EXPECT_EQ(octet(0x300001), 0xCF);
    EXPECT_EQ(octet(0x3FFFFE), 0x00);
    EXPECT_EQ(octet(0x3FFFFF), 0x12);
    EXPECT_EQ(octet(0x0000), 0x00);
    EXPECT_EQ(octet(0x0006), 0x11);
    EXPECT_EQ(octet(0x0007), 0x22);
    expectBilan(12, 0);
}

TEST_F(HexLoading, ExtendedAddressStartsAtZeroForEachLoad)
{
    charge({etendue(0x0030), fin()});
    charge({record(0, 0x0002, {0x3C})});
    EXPECT_EQ(octet(0x0002), 0x3C);
    EXPECT_EQ(octet(0x300002), 0x1F);
}

TEST_F(HexLoading, RecordsPastTheEndOfProgramMemoryAreDropped)
{
    charge({record(0, 0x7FFC, {1, 2, 3, 4, 5, 6, 7}), etendue(0x0000), record(0, 0xFFFE, {9, 9})});
    EXPECT_EQ(octet(0x7FFC), 1);
    EXPECT_EQ(octet(0x7FFF), 4);
    Byte b = 0xFF;
    EXPECT_EQ(fm->readByte(0x8000, b), -1);
    EXPECT_EQ(fm->getInstr(0x7FFE)->getInstr(), 0x0403);
    EXPECT_EQ(fm->getInstr(0x7FFF)->numero(), Op::NOP);
}

TEST_F(HexLoading, AddressesPastTheTopOfTheAddressSpaceDoNotWrapToZero)
{
    charge({etendue(0xFFFF), record(0, 0xFFFE, {1, 2, 3, 4, 5, 6}), record(0, 0xFFFF, {7, 8, 9}), fin()});
    for (DWord adr = 0; adr < 8; ++adr)
        EXPECT_EQ(octet(adr), 0) << "address " << adr;
}

TEST_F(HexLoading, InvalidLinesAreSkippedAndCounted)
{
    std::string casse = record(0, 0x10, {0x42, 0x43});
    casse[casse.size() - 1] ^= 1;  // checksum mismatch
    charge({etendue(0x0030),
            record(2, 0, {0x10, 0x00}),      // segment address: unsupported, ignored
            record(0, 0x0008, {0x00}),        // still in configuration memory
            "garbage", "", casse, ";comment",
            fin(), etendue(0), record(0, 0x0012, {0x44})});  // read on past the end-of-file record
    EXPECT_EQ(octet(0x300008), 0x00);
    EXPECT_EQ(octet(0x0010), 0x00);
    EXPECT_EQ(octet(0x0011), 0x00);
    EXPECT_EQ(octet(0x0012), 0x44);
    expectBilan(10, 5);
}

TEST_F(HexLoading, LongRecordsAndLineEnds)
{
    std::vector<int> data(255);
    for (int i = 0; i < 255; ++i)
        data[i] = 255 - i;
    charge({record(0, 0x0100, data), record(0, 0x0300, {0x5A}), fin()});
    EXPECT_EQ(octet(0x0100), 255);
    EXPECT_EQ(octet(0x01FE), 1);
    EXPECT_EQ(octet(0x01FF), 0) << "one byte past the record";
    EXPECT_EQ(octet(0x0300), 0x5A);

    // The same with CR LF line ends: the longest record is then one character longer.
    for (int& d : data)
        d ^= 0xFF;
    charge({record(0, 0x0100, data), record(0, 0x0301, {0xA5}), fin()}, "\r\n");
    EXPECT_EQ(octet(0x0100), 0);
    EXPECT_EQ(octet(0x01FE), 0xFE);
    EXPECT_EQ(octet(0x0301), 0xA5);
    expectBilan(3, 0);
}

TEST_F(HexLoading, TooLongLineIsSkippedWholeAndReadingGoesOn)
{
    // A valid record followed by junk, far longer than any record: it must be skipped
    // as one line, not decoded (its head would be valid) nor split into several lines.
    const std::string longue = record(0, 0x0050, {0x77}) + std::string(600, '0') + record(0, 0x0051, {0x66}) +
                               std::string(3000, 'x');
    charge({record(0, 0x0040, {0x11}), longue, record(0, 0x0041, {0x22}), fin()});
    EXPECT_EQ(octet(0x0040), 0x11);
    EXPECT_EQ(octet(0x0041), 0x22);
    EXPECT_EQ(octet(0x0050), 0x00);
    EXPECT_EQ(octet(0x0051), 0x00);
    expectBilan(4, 1);

    // The same line last in the file, with no line feed.
    chargeTexte(record(0, 0x0042, {0x33}) + "\n" + longue);
    EXPECT_EQ(octet(0x0042), 0x33);
    EXPECT_EQ(octet(0x0050), 0x00);
    expectBilan(2, 1);
}

TEST_F(HexLoading, LastLineWithoutLineFeedIsRead)
{
    chargeTexte(record(0, 0x30, {0x01}) + "\n" + record(0, 0x31, {0x77}));
    EXPECT_EQ(octet(0x30), 0x01);
    EXPECT_EQ(octet(0x31), 0x77);
    expectBilan(2, 0);

    chargeTexte(record(0, 0x32, {0x02}) + "\n");
    EXPECT_EQ(octet(0x32), 0x02);
    expectBilan(1, 0);
}

TEST_F(HexLoading, MissingOrEmptyFileLoadsNothing)
{
    charge({record(0, 0, {0x0E, 0x0E})});
    const std::string absent = ::testing::TempDir() + "tavrex_absent_" + std::to_string(getpid()) + ".hex";
    EXPECT_EQ(p->readFromHex(absent.c_str()), 0);
    EXPECT_FALSE(fm->bilan().ouvert);
    EXPECT_EQ(fm->bilan().lignes, 0);
    EXPECT_EQ(octet(0), 0x0E);

    chargeTexte("");
    expectBilan(0, 0);
    EXPECT_EQ(octet(0), 0x0E);
}

TEST_F(HexLoading, SecondLoadOnlyOverwritesWhatItNames)
{
    std::vector<int> premier(32), second(16);
    for (int i = 0; i < 32; ++i)
        premier[i] = 0x80 + i;
    for (int i = 0; i < 16; ++i)
        second[i] = i;
    charge({record(0, 0, premier), etendue(0x0030), record(0, 0x0006, {0x80}), fin()});
    charge({record(0, 0, second), fin()});
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(octet(i), i);
    for (int i = 16; i < 32; ++i)
        EXPECT_EQ(octet(i), 0x80 + i);
    EXPECT_EQ(octet(0x300006), 0x80) << "configuration kept from the first load";
    EXPECT_EQ(fm->getInstr(0x0F)->getInstr(), 0x900F);
}

TEST_F(HexLoading, LoadingResetsTheProcessorButNotTheClock)
{
    // movlw 0x5A; movwf 0x20; movlb 3; bra $
    charge({record(0, 0, {0x5A, 0x0E, 0x20, 0x6E, 0x03, 0x01, 0xFF, 0xD7}), fin()});
    for (int i = 0; i < 6; ++i)
        p->clock4();
    ASSERT_EQ(p->getDM()->w(), 0x5A);
    ASSERT_EQ(p->getDM()->readBSR(), 3);
    const uint64_t t = p->time();

    charge({record(0, 0x0100, {0x00}), fin()});
    EXPECT_EQ(p->getDM()->getPC(), 0u);
    EXPECT_EQ(p->getDM()->w(), 0);
    EXPECT_EQ(p->getDM()->readBSR(), 0);
    EXPECT_EQ(p->time(), t);
    EXPECT_EQ(p->getInstrPtr(), p->getJeu()->nop());
}

}  // namespace
