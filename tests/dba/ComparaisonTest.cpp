#include <gtest/gtest.h>

#include "mvdb/Comparaison.h"
#include "mvdb/Nombre.h"

namespace {

TEST(Nombre, SignDigitsAndAnOptionalDecimalPart) {
    for (const char* nombre : {"9", "09", "9.0", "-3", "+4", "0.5", "-0"}) {
        EXPECT_TRUE(mvdb::estNombre(nombre)) << nombre;
    }
    for (const char* texte : {"", "-", "9.", ".5", "1e3", "1 2", "1,5", "abc", "--1"}) {
        EXPECT_FALSE(mvdb::estNombre(texte)) << texte;
    }
}

TEST(Nombre, ExactComparisonWhateverTheWriting) {
    EXPECT_EQ(mvdb::comparerNombres("9", "09"), 0);
    EXPECT_EQ(mvdb::comparerNombres("9.0", "+9"), 0);
    EXPECT_EQ(mvdb::comparerNombres("-0", "0.00"), 0);
    EXPECT_LT(mvdb::comparerNombres("9", "10"), 0);
    EXPECT_LT(mvdb::comparerNombres("-10", "-9"), 0);
    EXPECT_LT(mvdb::comparerNombres("1.05", "1.5"), 0);
    EXPECT_GT(mvdb::comparerNombres("12345678901234567890.1", "12345678901234567890"), 0);
}

TEST(Nombre, ApproximationKeepsOrderEvenBeyondDoubles) {
    const std::string enorme(400, '9');
    EXPECT_LE(mvdb::valeurApprochee("123"), mvdb::valeurApprochee(enorme));
    EXPECT_GE(mvdb::valeurApprochee("-123"), mvdb::valeurApprochee("-" + enorme));
    EXPECT_EQ(mvdb::valeurApprochee("09.50"), mvdb::valeurApprochee("9.5"));
}

TEST(Comparaison, NumbersWhenBothAreNumbersOtherwiseBytes) {
    EXPECT_EQ(mvdb::comparerValeurs("09", "9.0"), 0);
    EXPECT_GT(mvdb::comparerValeurs("10", "9"), 0);
    EXPECT_LT(mvdb::comparerValeurs("10", "9a"), 0);
    EXPECT_LT(mvdb::comparerValeurs("", "-5"), 0);
    EXPECT_LT(mvdb::comparerValeurs("Z", "a"), 0);
    EXPECT_LT(mvdb::comparerValeurs("e", "é"), 0);
}

TEST(Comparaison, RightJustifiedSortValues) {
    EXPECT_LT(mvdb::comparerPourTri("9", "10", true), 0);
    EXPECT_EQ(mvdb::comparerPourTri("", "0", true), 0);
    EXPECT_LT(mvdb::comparerPourTri("", "1", true), 0);
    // Not both numbers: texts aligned on the right.
    EXPECT_LT(mvdb::comparerPourTri("ab", "9ab", true), 0);
    EXPECT_LT(mvdb::comparerPourTri("b", "ab", true), 0);
    EXPECT_GT(mvdb::comparerPourTri("b", "ab", false), 0);
    EXPECT_GT(mvdb::comparerPourTri("9", "10", false), 0);
}

}  // namespace
