#include "core/FilterQuery.h"

#include <gtest/gtest.h>

namespace {

using C = TQueryColumn;

struct TParseCase {
    const char* Query;
    std::vector<TQueryTerm> Terms;
};

const TParseCase kParseCases[] = {
    {"", {}},
    {"   \t ", {}},
    {"  pink \tfloyd ", {{"pink", C::Any, false}, {"floyd", C::Any, false}}},
    {"\"pink floyd\" live", {{"pink floyd", C::Any, false}, {"live", C::Any, false}}},
    {"-live", {{"live", C::Any, true}}},
    {"--live", {{"-live", C::Any, true}}},
    {"\"-live\"", {{"-live", C::Any, false}}},
    {"- live", {{"live", C::Any, false}}},
    {"band:genesis BAND:yes Boootleg:x bootleg:y number:12 num:3",
     {{"genesis", C::Band, false},
      {"yes", C::Band, false},
      {"x", C::Name, false},
      {"y", C::Name, false},
      {"12", C::Num, false},
      {"3", C::Num, false}}},
    {"date:1999 city:a country:b venue:c name:d quality:e comment:f source:g media:h",
     {{"1999", C::Date, false},
      {"a", C::City, false},
      {"b", C::Country, false},
      {"c", C::Venue, false},
      {"d", C::Name, false},
      {"e", C::Quality, false},
      {"f", C::Comment, false},
      {"g", C::Source, false},
      {"h", C::Media, false}}},
    {"12:30 foo:bar :x", {{"12:30", C::Any, false}, {"foo:bar", C::Any, false}, {":x", C::Any, false}}},
    {"-venue:\"royal albert\" band:", {{"royal albert", C::Venue, true}}},
    {"venue:a:b", {{"a:b", C::Venue, false}}},
    {"\"band:x\"", {{"band:x", C::Any, false}}},
    {"\"unclosed phrase", {{"unclosed phrase", C::Any, false}}},
    {"a\"b c\"d \"\" -\"\"", {{"ab cd", C::Any, false}}},
    {"\xC5\x81\xC3\xB3"
     "d\xC5\xBA \xA3\xF3",
     {{"\xC5\x81\xC3\xB3"
       "d\xC5\xBA",
       C::Any, false},
      {"\xA3\xF3", C::Any, false}}},
};

class FilterQueryParse : public testing::TestWithParam<TParseCase> {};

TEST_P(FilterQueryParse, WordsPhrasesExclusionsAndColumnsAreRead) {
    const std::vector<TQueryTerm> terms = ParseFilterQuery(GetParam().Query);
    ASSERT_EQ(terms.size(), GetParam().Terms.size()) << GetParam().Query;
    for (size_t i = 0; i < terms.size(); ++i) {
        EXPECT_EQ(terms[i].Text, GetParam().Terms[i].Text) << GetParam().Query;
        EXPECT_EQ(terms[i].Column, GetParam().Terms[i].Column) << GetParam().Query;
        EXPECT_EQ(terms[i].Exclude, GetParam().Terms[i].Exclude) << GetParam().Query;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, FilterQueryParse, testing::ValuesIn(kParseCases));

} // namespace
