#pragma once
// A label's content and the records of a label file: each kind of item maps
// to its own record and back; the content maps to the whole file in the
// file's order (header, pictures by rank, texts back to front).
#include <QByteArray>
#include <QSizeF>
#include <optional>
#include <vector>

#include "CkmFormat.h"
#include "LabelContent.h"

class TextMeasurer;
struct PictureData;

namespace records {

CKM_Header::HeaderRecord header(const LabelContent& c, int16_t surfaceW, int16_t surfaceH);
CKM_Header::GraphicRecord record(const GraphicItem& g, const QString& storedPath, bool keepAspect);
// A QR code as the picture record that stands for it (see QrCode.h).
CKM_Header::GraphicRecord record(const QrItem& q, bool keepAspect);
// The QR code a picture record stands for, if it stands for one.
std::optional<QrItem> qrItem(const CKM_Header::GraphicRecord& r);
// The record of a text, and the text's bytes that follow it.
CKM_Header::TextRecord record(const TextItem& t, QByteArray* bytes);

// The whole file: `storedPaths` are the pictures' paths by rank, as they are stored.
QByteArray encode(const LabelContent& c, int16_t surfaceW, int16_t surfaceH, const std::vector<QString>& storedPaths);

// The header's size, frame and layout into `c` (the cut marks are the program's, not the file's).
void readHeader(LabelContent& c, const CKM_Header::HeaderRecord& h);
// A picture from its record, with the picture found for it at `path`.
GraphicItem item(const CKM_Header::GraphicRecord& r, const PictureData& pic, const QString& path);
// A text from its record, its box fitted to the words; a place beyond the
// label's far edge puts it on the label's centre. `face` is used when the
// record names none.
TextItem item(const CKM_Header::TextRecord& r, const QString& text, const QSizeF& surface, const QString& face,
              const TextMeasurer& measurer);

} // namespace records
