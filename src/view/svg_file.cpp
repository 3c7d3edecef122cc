// Writes SVG through Qt's generator with unsafe text refused.
#include "view/svg_file.h"

#include <QIODevice>
#include <QPainter>
#include <QSvgGenerator>

#include "files/output_file.h"

namespace corvanta {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

bool XmlForbidsByte(unsigned char byte) {
  return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r';
}

// The generator's output on its way to the file: characters XML cannot
// hold replaced, the bytes counted against the cap.
class SvgDevice : public QIODevice {
 public:
  explicit SvgDevice(OutputFile& file) : file_(file) { open(QIODevice::WriteOnly); }
  bool TooLarge() const { return tooLarge_; }
  bool Finish() {
    if (!carry_.empty()) Pass(kReplacement);
    carry_.clear();
    return file_.Failure().empty() && !tooLarge_;
  }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 length) override {
    const std::string safe =
        XmlCharacters(std::string_view(data, static_cast<std::size_t>(length)), carry_);
    return Pass(safe) ? length : -1;
  }

 private:
  bool Pass(std::string_view bytes) {
    if (tooLarge_ || !file_.Failure().empty()) return false;
    if (file_.BytesWritten() + bytes.size() > kMostSvgBytes) {
      tooLarge_ = true;
      return false;
    }
    return file_.Write(bytes);
  }

  OutputFile& file_;
  std::string carry_;
  bool tooLarge_ = false;
};

}  // namespace

QString XmlEscaped(const QString& text) {
  const QString escaped = text.toHtmlEscaped().replace('\'', "&#39;");
  const std::string bytes = escaped.toStdString();
  std::string carry;
  std::string safe = XmlCharacters(bytes, carry);
  if (!carry.empty()) safe += kReplacement;
  return QString::fromStdString(safe);
}

std::string XmlCharacters(std::string_view bytes, std::string& carry) {
  std::string whole = carry;
  whole.append(bytes);
  carry.clear();
  std::string safe;
  safe.reserve(whole.size());
  for (std::size_t at = 0; at < whole.size(); ++at) {
    const unsigned char byte = static_cast<unsigned char>(whole[at]);
    if (XmlForbidsByte(byte)) {
      safe += kReplacement;
    } else if (byte == 0xEF) {
      // U+FFFE and U+FFFF are EF BF BE and EF BF BF; a piece may end inside.
      if (whole.size() - at < 3) {
        carry = whole.substr(at);
        break;
      }
      const bool nonCharacter = static_cast<unsigned char>(whole[at + 1]) == 0xBF &&
                                (static_cast<unsigned char>(whole[at + 2]) & 0xFE) == 0xBE;
      safe += nonCharacter ? std::string(kReplacement) : whole.substr(at, 3);
      at += 2;
    } else {
      safe += static_cast<char>(byte);
    }
  }
  return safe;
}

QString WriteSvgDrawing(const QString& path, QSizeF size, const QString& title,
                        const std::function<bool(QPainter&)>& paint, const SvgRefusals& refusals) {
  OutputFile file(path.toStdString());
  if (!file.Failure().empty()) return QString::fromStdString(file.Failure());
  SvgDevice device(file);
  bool finished = false;
  {
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setSize(size.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), size));
    svg.setTitle(XmlEscaped(title));
    QPainter painter(&svg);
    finished = paint(painter);
    if (!painter.end() && file.Failure().empty() && !device.TooLarge())
      return "cannot make the SVG drawing";
  }
  if (!device.Finish()) {
    if (device.TooLarge()) return refusals.tooLarge;
    return QString::fromStdString(file.Failure());
  }
  if (!finished) return refusals.stopped;
  return QString::fromStdString(file.Commit());
}

}  // namespace corvanta
