#pragma once
// Picture utilities: copying part of an image into a new picture and drawing
// an image with one colour transparent.
//
// A "device context" here is a QImage: the drawing surface a routine reads
// from or writes to. Coordinates and sizes are pixels; colours are OLE colours
// (0x00BBGGRR). The drawing surface is true colour (32 bits per pixel), so new
// pictures carry no palette. The routines keep no state and report no errors:
// a rectangle that is empty draws nothing or yields no picture.
#include "ui/Picture.h"
#include <QImage>
#include <QList>
#include <QRgb>
#include <cstdint>

namespace imaging {

// Copies the width x height rectangle at (srcX, srcY) of src to (destX, destY)
// of dest, except the source pixels whose colour equals keyColour exactly;
// there dest keeps its pixels. The composite is built off screen and written
// to dest with one final copy. Source pixels outside src count as black.
// A width or height of zero (or less) draws nothing.
void BlitTransparent(QImage& dest, const QImage& src, int16_t srcX, int16_t srcY, int16_t width,
                     int16_t height, int16_t destX, int16_t destY, uint32_t keyColour);

// BlitTransparent from a picture's pixels; no picture draws nothing.
void DrawPictureTransparent(const ui::Picture& picture, QImage& dest, int16_t srcX, int16_t srcY,
                            int16_t width, int16_t height, int16_t destX, int16_t destY,
                            uint32_t keyColour);

// A new picture of exactly width x height pixels holding the rectangle at
// (left, top) of src; parts of the rectangle outside src are black. No
// picture when width or height is zero or less, or the pixels cannot be had.
ui::Picture CopyDCToPicture(const QImage& src, int32_t left, int32_t top, int32_t width, int32_t height);

// A picture that owns its own copy of bitmap's pixels (never shared with the
// caller's image). A non-empty palette becomes the colour table of an indexed
// bitmap; true-colour bitmaps ignore it.
ui::Picture BitmapToPicture(const QImage& bitmap, const QList<QRgb>& palette = {});

// The Qt colour of an OLE colour's low 24 bits.
inline QRgb OleToRgb(uint32_t ole) { return qRgb(int(ole & 0xFF), int((ole >> 8) & 0xFF), int((ole >> 16) & 0xFF)); }

}  // namespace imaging
