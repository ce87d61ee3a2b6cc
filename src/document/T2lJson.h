#pragma once

#include <QByteArray>
#include <QString>

class CEinheitspapierDoc;

// The JSON form of a T2L document that other software reads and writes:
// the header values, then every page with every field's text and attribute word.
namespace T2lJson {

QByteArray ToJson(const CEinheitspapierDoc& doc);

// Turns the JSON into .t2l bytes. Only the shape is checked here; reading the
// bytes back as a document checks that pages and fields agree.
bool ToT2lBytes(const QByteArray& json, QByteArray& t2l, QString* errorText);

} // namespace T2lJson
