#pragma once

#include "platform/wmfobjecttable.h"
#include "platform/wmfpicture.h"
#include "platform/wmfrecords.h"

// Turns the records of a metafile into drawing commands. Each record family
// has its own decoder; a family returns false for a function it does not
// know, and records no family knows are skipped.
namespace Wmf {

struct DecodeContext {
    Picture &picture;
    ObjectTable objects;
    QString error; // set by the first damaged record; decoding stops there

    void fail(const Record &record, const QString &what);
    // False, with an error naming the record, when it holds fewer than words parameters.
    bool need(const Params &params, const Record &record, qsizetype words);
    void add(const Command &command) { picture.commands.append(command); }
};

bool decodeStateRecord(const Params &params, const Record &record, DecodeContext &context);
bool decodeObjectRecord(const Params &params, const Record &record, DecodeContext &context);
bool decodeShapeRecord(const Params &params, const Record &record, DecodeContext &context);
bool decodeTextRecord(const Params &params, const Record &record, DecodeContext &context);

// COLORREF: red in the low byte.
QColor colorAt(const Params &params, int index);

// Decodes every record of a parsed file; an error text when a record is damaged.
QString decode(const QByteArray &bytes, const File &file, Picture *picture);

} // namespace Wmf
