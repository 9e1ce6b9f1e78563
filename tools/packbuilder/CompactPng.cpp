#include "CompactPng.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <tuple>
#include <vector>

namespace packbuilder {

namespace {

// PNG colour types.
constexpr uint8_t kGrey = 0;
constexpr uint8_t kColour = 2;
constexpr uint8_t kPalette = 3;
constexpr uint8_t kGreyAlpha = 4;
constexpr uint8_t kColourAlpha = 6;

// The row filter chosen row by row ("adaptive"), beside the five fixed ones 0..4.
constexpr int kAdaptiveFilter = 5;

// The pixels laid out for one PNG colour type, each row unfiltered.
struct StoredRows {
  uint8_t colourType = kColourAlpha;
  uint8_t bitDepth = 8;
  int bytesPerPixel = 4;  // the distance the filters look back, at least 1
  int rowBytes = 0;
  std::vector<uint8_t> rows;
  QByteArray palette;       // PLTE: r, g, b per entry
  QByteArray transparency;  // tRNS: the alpha of the leading entries that are not opaque
};

struct Survey {
  bool opaque = true;
  bool grey = true;
  // Every colour with its number of pixels, while there are at most 256 of them.
  std::map<QRgb, int> colours;
  bool fewColours = true;
};

Survey SurveyPixels(const QImage& argb) {
  Survey s;
  for (int y = 0; y < argb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb p = line[x];
      if (qAlpha(p) != 255) s.opaque = false;
      if (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p)) s.grey = false;
      if (s.fewColours) {
        ++s.colours[p];
        if (s.colours.size() > 256) {
          s.fewColours = false;
          s.colours.clear();
        }
      }
    }
  }
  return s;
}

StoredRows ChannelRows(const QImage& argb, uint8_t colourType) {
  StoredRows r;
  r.colourType = colourType;
  const int channels = colourType == kGrey        ? 1
                       : colourType == kGreyAlpha ? 2
                       : colourType == kColour    ? 3
                                                  : 4;
  r.bytesPerPixel = channels;
  r.rowBytes = argb.width() * channels;
  r.rows.reserve(static_cast<size_t>(r.rowBytes) * argb.height());
  for (int y = 0; y < argb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb p = line[x];
      const auto a = static_cast<uint8_t>(qAlpha(p));
      if (channels <= 2) {
        r.rows.push_back(static_cast<uint8_t>(qRed(p)));
      } else {
        r.rows.push_back(static_cast<uint8_t>(qRed(p)));
        r.rows.push_back(static_cast<uint8_t>(qGreen(p)));
        r.rows.push_back(static_cast<uint8_t>(qBlue(p)));
      }
      if (channels == 2 || channels == 4) r.rows.push_back(a);
    }
  }
  return r;
}

StoredRows PaletteRows(const QImage& argb, const std::map<QRgb, int>& colours) {
  // Colours that are not opaque first, so that the transparency list stops early; the
  // commoner colours before the rarer ones.
  std::vector<QRgb> order;
  order.reserve(colours.size());
  for (const auto& [colour, count] : colours) order.push_back(colour);
  std::sort(order.begin(), order.end(), [&colours](QRgb a, QRgb b) {
    return std::make_tuple(qAlpha(a) == 255, -colours.at(a), a) <
           std::make_tuple(qAlpha(b) == 255, -colours.at(b), b);
  });
  std::map<QRgb, uint8_t> index;
  StoredRows r;
  r.colourType = kPalette;
  for (size_t i = 0; i < order.size(); ++i) {
    const QRgb c = order[i];
    index[c] = static_cast<uint8_t>(i);
    r.palette.append(static_cast<char>(qRed(c)));
    r.palette.append(static_cast<char>(qGreen(c)));
    r.palette.append(static_cast<char>(qBlue(c)));
    if (qAlpha(c) != 255) r.transparency.append(static_cast<char>(qAlpha(c)));
  }
  const size_t n = order.size();
  r.bitDepth = n <= 2 ? 1 : n <= 4 ? 2 : n <= 16 ? 4 : 8;
  r.bytesPerPixel = 1;
  const int perByte = 8 / r.bitDepth;
  r.rowBytes = (argb.width() + perByte - 1) / perByte;
  r.rows.assign(static_cast<size_t>(r.rowBytes) * argb.height(), 0);
  for (int y = 0; y < argb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    uint8_t* out = r.rows.data() + static_cast<size_t>(y) * r.rowBytes;
    for (int x = 0; x < argb.width(); ++x) {
      // Pixels are packed from the highest bits of a byte down.
      const int shift = 8 - r.bitDepth * (x % perByte + 1);
      out[x / perByte] |= static_cast<uint8_t>(index[line[x]] << shift);
    }
  }
  return r;
}

uint8_t Paeth(int a, int b, int c) {
  const int p = a + b - c;
  const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  if (pa <= pb && pa <= pc) return static_cast<uint8_t>(a);
  return static_cast<uint8_t>(pb <= pc ? b : c);
}

// One row filtered with `filter` (0..4) into `out`, which receives rowBytes bytes.
void FilterRow(const uint8_t* row, const uint8_t* above, int rowBytes, int bpp, int filter,
               uint8_t* out) {
  for (int i = 0; i < rowBytes; ++i) {
    const int a = i >= bpp ? row[i - bpp] : 0;
    const int b = above ? above[i] : 0;
    const int c = above && i >= bpp ? above[i - bpp] : 0;
    int predicted = 0;
    switch (filter) {
      case 1:
        predicted = a;
        break;
      case 2:
        predicted = b;
        break;
      case 3:
        predicted = (a + b) / 2;
        break;
      case 4:
        predicted = Paeth(a, b, c);
        break;
      default:
        break;
    }
    out[i] = static_cast<uint8_t>(row[i] - predicted);
  }
}

// The image data before compression: each row led by its filter byte. The adaptive choice
// takes for each row the filter whose bytes, read as signed, add up to the least.
std::vector<uint8_t> FilteredRows(const StoredRows& r, int height, int filter) {
  const size_t stride = static_cast<size_t>(r.rowBytes) + 1;
  std::vector<uint8_t> data(stride * height);
  std::vector<uint8_t> trial(r.rowBytes);
  for (int y = 0; y < height; ++y) {
    const uint8_t* row = r.rows.data() + static_cast<size_t>(y) * r.rowBytes;
    const uint8_t* above = y > 0 ? row - r.rowBytes : nullptr;
    uint8_t* out = data.data() + stride * y;
    int chosen = filter;
    if (filter == kAdaptiveFilter) {
      long best = -1;
      for (int f = 0; f <= 4; ++f) {
        FilterRow(row, above, r.rowBytes, r.bytesPerPixel, f, trial.data());
        long sum = 0;
        for (uint8_t v : trial) sum += std::abs(static_cast<int8_t>(v));
        if (best < 0 || sum < best) {
          best = sum;
          chosen = f;
        }
      }
    }
    out[0] = static_cast<uint8_t>(chosen);
    FilterRow(row, above, r.rowBytes, r.bytesPerPixel, chosen, out + 1);
  }
  return data;
}

QByteArray Deflate(const std::vector<uint8_t>& data, int strategy) {
  z_stream z{};
  if (deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, 15, 9, strategy) != Z_OK) return {};
  QByteArray out(static_cast<qsizetype>(deflateBound(&z, data.size())), Qt::Uninitialized);
  z.next_in = const_cast<Bytef*>(data.data());
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  const int result = deflate(&z, Z_FINISH);
  const auto written = static_cast<qsizetype>(z.total_out);
  deflateEnd(&z);
  if (result != Z_STREAM_END) return {};
  out.truncate(written);
  return out;
}

void AppendBigEndian(QByteArray& out, quint32 value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.append(static_cast<char>(value >> shift));
}

void AppendChunk(QByteArray& out, const char* type, const QByteArray& data) {
  AppendBigEndian(out, static_cast<quint32>(data.size()));
  QByteArray typed(type, 4);
  typed.append(data);
  out.append(typed);
  const uLong crc = crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(typed.constData()),
                          static_cast<uInt>(typed.size()));
  AppendBigEndian(out, static_cast<quint32>(crc));
}

QByteArray PngFile(const StoredRows& r, QSize size, const QByteArray& compressed) {
  QByteArray png("\x89PNG\r\n\x1a\n", 8);
  QByteArray header;
  AppendBigEndian(header, static_cast<quint32>(size.width()));
  AppendBigEndian(header, static_cast<quint32>(size.height()));
  header.append(static_cast<char>(r.bitDepth));
  header.append(static_cast<char>(r.colourType));
  header.append(3, '\0');  // deflate, the standard filters, not interlaced
  AppendChunk(png, "IHDR", header);
  if (r.colourType == kPalette) AppendChunk(png, "PLTE", r.palette);
  if (!r.transparency.isEmpty()) AppendChunk(png, "tRNS", r.transparency);
  AppendChunk(png, "IDAT", compressed);
  AppendChunk(png, "IEND", {});
  return png;
}

}  // namespace

QByteArray CompactPng(const QImage& image) {
  if (image.isNull()) return {};
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  const Survey survey = SurveyPixels(argb);
  std::vector<StoredRows> kinds;
  if (survey.fewColours) kinds.push_back(PaletteRows(argb, survey.colours));
  if (survey.grey) kinds.push_back(ChannelRows(argb, survey.opaque ? kGrey : kGreyAlpha));
  // A grey picture is never smaller stored in full colour.
  if (!survey.grey) kinds.push_back(ChannelRows(argb, survey.opaque ? kColour : kColourAlpha));

  // Unfiltered rows suit flat drawings, filtered ones shaded pictures; each is compressed in
  // the ways that suit either, and the smallest file kept.
  QByteArray best;
  const StoredRows* bestKind = nullptr;
  for (const StoredRows& kind : kinds) {
    for (int filter : {0, kAdaptiveFilter}) {
      const std::vector<uint8_t> data = FilteredRows(kind, argb.height(), filter);
      for (int strategy : {Z_DEFAULT_STRATEGY, Z_FILTERED, Z_RLE}) {
        const QByteArray compressed = Deflate(data, strategy);
        if (!compressed.isEmpty() && (bestKind == nullptr || compressed.size() < best.size())) {
          best = compressed;
          bestKind = &kind;
        }
      }
    }
  }
  if (bestKind == nullptr) return {};
  return PngFile(*bestKind, argb.size(), best);
}

}  // namespace packbuilder
