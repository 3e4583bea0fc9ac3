#pragma once

// How a call begins as the program writes it, in its log record and in the
// line of its kept charge alike: start date, start time and duration with
// their separators, every character as in kRecordShape but for digits where
// that has a "0". The log is read as text and the charges as bytes, so the
// test comes in both widths.

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <type_traits>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

inline constexpr char kRecordShape[] = "00:00:0000  ,  00:00:00  ,  00:00:00  ,  ";
inline constexpr qsizetype kRecordShapeLength = sizeof(kRecordShape) - 1;
inline constexpr qsizetype kFirstCommaInShape = 12;
inline constexpr qsizetype kSecondCommaInShape = 25;
inline constexpr qsizetype kStartTimeInShape = 15;
inline constexpr qsizetype kDurationInShape = 28;

template <typename Char> struct RecordShapeTables
{
    std::array<Char, kRecordShapeLength> shape{};
    // How far each character may lie above the shape's: 9 for a digit.
    std::array<Char, kRecordShapeLength> slack{};
};

template <typename Char> constexpr RecordShapeTables<Char> recordShapeTables()
{
    RecordShapeTables<Char> tables;
    for (qsizetype i = 0; i < kRecordShapeLength; ++i) {
        tables.shape[size_t(i)] = Char(kRecordShape[i]);
        tables.slack[size_t(i)] = kRecordShape[i] == '0' ? 9 : 0;
    }
    return tables;
}

// Whether the characters from at (kRecordShapeLength of them at least) have
// the shape. Every character is told apart from the shape's by the bits that
// differ, which for a digit are its value; sixteen bytes at a time where the
// vector instructions are built, as a year of records is read this way.
template <typename Char> bool hasRecordShape(const Char *at)
{
    static_assert(sizeof(Char) == 1 || sizeof(Char) == 2);
    static constexpr RecordShapeTables<Char> kTables = recordShapeTables<Char>();
#ifdef __SSE2__
    constexpr qsizetype kPerLoad = 16 / qsizetype(sizeof(Char));
    const auto load = [](const Char *from) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i *>(from));
    };
    __m128i over = _mm_setzero_si128();
    for (qsizetype from = 0; from < kRecordShapeLength; from += kPerLoad) {
        // The last load overlaps the one before, to end at the shape's end.
        const qsizetype place = std::min(from, kRecordShapeLength - kPerLoad);
        const __m128i apart = _mm_xor_si128(load(at + place), load(kTables.shape.data() + place));
        const __m128i slack = load(kTables.slack.data() + place);
        if constexpr (sizeof(Char) == 1)
            over = _mm_or_si128(over, _mm_subs_epu8(apart, slack));
        else
            over = _mm_or_si128(over, _mm_subs_epu16(apart, slack));
    }
    return _mm_movemask_epi8(_mm_cmpeq_epi8(over, _mm_setzero_si128())) == 0xffff;
#else
    using Unsigned = std::conditional_t<sizeof(Char) == 1, quint8, quint16>;
    for (qsizetype i = 0; i < kRecordShapeLength; ++i) {
        if (Unsigned(Unsigned(at[i]) ^ Unsigned(kTables.shape[size_t(i)]))
            > Unsigned(kTables.slack[size_t(i)]))
            return false;
    }
    return true;
#endif
}
