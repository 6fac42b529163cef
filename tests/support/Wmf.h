#pragma once
// Writes a small placeable Windows metafile: a filled rectangle over the
// whole picture, so a test can check its natural size and its colours.
#include <QByteArray>
#include <QString>
#include <QtEndian>

#include "support/Files.h"

inline QByteArray makeWmf(int16_t widthUnits, int16_t heightUnits, int16_t unitsPerInch)
{
    QByteArray b;
    auto w16 = [&](uint16_t v) { b.append(char(v & 0xFF)).append(char(v >> 8)); };
    auto w32 = [&](uint32_t v) { w16(uint16_t(v & 0xFFFF)); w16(uint16_t(v >> 16)); };
    // Placeable header.
    w32(0x9AC6CDD7);
    w16(0);
    w16(0); w16(0); w16(uint16_t(widthUnits)); w16(uint16_t(heightUnits));
    w16(uint16_t(unitsPerInch));
    w32(0);
    uint16_t sum = 0;
    for (int i = 0; i < 20; i += 2)
        sum ^= uint16_t(uint8_t(b[i]) | (uint8_t(b[i + 1]) << 8));
    w16(sum);
    // Records.
    QByteArray recs;
    auto rec = [&](uint16_t fn, std::initializer_list<uint16_t> params) {
        QByteArray r;
        const uint32_t size = 3 + uint32_t(params.size());
        r.append(char(size & 0xFF)).append(char((size >> 8) & 0xFF)).append(char((size >> 16) & 0xFF)).append(char(size >> 24));
        r.append(char(fn & 0xFF)).append(char(fn >> 8));
        for (uint16_t p : params)
            r.append(char(p & 0xFF)).append(char(p >> 8));
        recs += r;
    };
    rec(0x020B, {0, 0});                                  // SetWindowOrg(y, x)
    rec(0x020C, {uint16_t(heightUnits), uint16_t(widthUnits)}); // SetWindowExt(y, x)
    rec(0x02FC, {0, 0x00FF, 0x0000, 0});                  // CreateBrushIndirect: solid, red
    rec(0x012D, {0});                                     // SelectObject(0)
    rec(0x041B, {uint16_t(heightUnits), uint16_t(widthUnits), 0, 0}); // Rectangle(bottom, right, top, left)
    rec(0x0000, {});                                      // EOF
    // Standard header.
    const uint32_t totalWords = (18 + uint32_t(recs.size())) / 2;
    w16(1); w16(9); w16(0x0300);
    w32(totalWords);
    w16(1);
    w32(7);
    w16(0);
    b += recs;
    return b;
}
