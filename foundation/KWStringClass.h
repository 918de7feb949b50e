// The string level of the utility classes: its lists of lines, words and
// found positions, and its punctuation characters.
#pragma once

#include <cstdint>

#include "foundation/KWDialogClass.h"

namespace tolvane {

// A line; the record owns the text OL refers to.
struct TLineRecord {
    OwnedText OL;
    std::int32_t LEN = 0;
};

struct TWordRecord {
    LimitedText<60> WORD;
    std::uint8_t LEN = 0;
    std::int32_t COUNTER = 0;
};

struct TFoundRecord {
    std::int32_t STARTPOS = 0;
    std::int32_t ENDPOS = 0;
};

// A field of a CSV line; the record owns the text FIELD refers to.
struct TCsvFieldRecord {
    OwnedText FIELD;
};

class KWStringClass : public KWDialogClass {
  public:
    KWStringClass();
    ~KWStringClass();

    // This level's destruction step; the destructor runs it.
    void StringDestruction();

    std::int32_t BUFFERSIZE = 0;
    OwnedText FILESTRING;
    OwnedText LINESTRING;
    OwnedList<TLineRecord> LINES;
    OwnedText RESSTR;
    OwnedText TEMPS;
    OwnedList<TWordRecord> WORDS;
    OwnedList<TFoundRecord> FOUND;
    std::int32_t WORDCOUNTER = 0;
    OwnedText HTMLSTRING;
    std::int32_t SPLITSTRINGPROGRESSFEQ = 0;
    FixedText<255> DEPUNCTUATIONSTRING;
    Flag TREATEMPTYLASTITEMASLINE = 0;
    OwnedList<TCsvFieldRecord> CSVFIELDS;
    Flag SKIPEOLONLASTLINE = 0;
    OwnedText STRINGBETWEEN;
    std::int32_t SETSTRINGEND = 0;
    std::int32_t SETSTRINGFOUND = 0;
    OwnedText XMLSTR;
};

}  // namespace tolvane
