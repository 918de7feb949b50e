#include "foundation/KWStringClass.h"

namespace tolvane {

KWStringClass::KWStringClass() {
    LINES = NewList<TLineRecord>();
    WORDS = NewList<TWordRecord>();
    FOUND = NewList<TFoundRecord>();
    DEPUNCTUATIONSTRING = "()[]{}!@#$%^&*-";
}

KWStringClass::~KWStringClass() { StringDestruction(); }

void KWStringClass::StringDestruction() {
    if (LINES) {
        for (TLineRecord& line : *LINES) line.OL.reset();
        LINES->clear();
    }
    LINES.reset();
    WORDS.reset();
    if (CSVFIELDS) {
        for (TCsvFieldRecord& field : *CSVFIELDS) field.FIELD.reset();
        CSVFIELDS->clear();
    }
    CSVFIELDS.reset();
    TEMPS.reset();
    RESSTR.reset();
    HTMLSTRING.reset();
    FOUND.reset();
    LINESTRING.reset();
    FILESTRING.reset();
    STRINGBETWEEN.reset();
    XMLSTR.reset();
}

}  // namespace tolvane
