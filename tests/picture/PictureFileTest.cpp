// Reading picture files: the four raster formats told by content, metafiles, and every
// kind of file that holds no picture.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "picture/PictureFile.h"
#include "support/SampleWmf.h"

namespace {

// A GIF of a picture of at most four colours. Qt reads GIF but does not write it. The
// pixels are coded with a clear code after every two, so the codes stay 3 bits wide.
QByteArray gifBytes(const QImage& image, const QVector<QRgb>& colours) {
  QByteArray out("GIF89a");
  auto u16 = [&out](int v) { out.append(char(v & 0xFF)).append(char(v >> 8)); };
  u16(image.width());
  u16(image.height());
  out.append(char(0x91)).append('\0').append('\0');  // a global table of 4 colours
  for (int i = 0; i < 4; ++i) {
    const QRgb c = colours.value(i);
    out.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
  }
  out.append(char(0x2C));
  u16(0), u16(0), u16(image.width()), u16(image.height());
  out.append('\0');
  out.append(char(2));  // minimum code size
  QByteArray data;
  uint32_t bits = 0;
  int count = 0;
  auto code = [&](int c) {
    bits |= uint32_t(c) << count;
    count += 3;
    while (count >= 8) data.append(char(bits & 0xFF)), bits >>= 8, count -= 8;
  };
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      if (n++ % 2 == 0) code(4);  // clear
      code(int(colours.indexOf(image.pixel(x, y))));
    }
  code(5);  // end of information
  if (count > 0) data.append(char(bits & 0xFF));
  for (qsizetype at = 0; at < data.size(); at += 255) {
    const QByteArray block = data.mid(at, 255);
    out.append(char(block.size())).append(block);
  }
  out.append('\0').append(char(0x3B));
  return out;
}

class PictureFileTest : public testing::Test {
 protected:
  QString path(const QString& name) const { return dir.filePath(name); }
  void write(const QString& name, const QByteArray& bytes) const {
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray read(const QString& name) const {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  // A left red and a right blue half, 64 x 48.
  static QImage halves() {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 0));
    QPainter(&image).fillRect(32, 0, 32, 48, QColor(0, 0, 255));
    return image;
  }
  static bool near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) < 40 && std::abs(qGreen(a) - qGreen(b)) < 40 &&
           std::abs(qBlue(a) - qBlue(b)) < 40;
  }

  QTemporaryDir dir;
};

TEST_F(PictureFileTest, ReadsEachFormatByItsContentWhateverTheName) {
  const QImage source = halves();
  ASSERT_TRUE(source.save(path("source.bmp"), "BMP"));
  ASSERT_TRUE(source.save(path("source.jpg"), "JPEG"));
  ASSERT_TRUE(source.save(path("source.png"), "PNG"));
  write("source.gif", gifBytes(source, {qRgb(255, 0, 0), qRgb(0, 0, 255)}));
  write("source.wmf", sampleWmf());

  const struct {
    const char* source;
    const char* name;
  } cases[] = {
      {"source.bmp", "bild.bmp"}, {"source.jpg", "bild.jpg"},  {"source.gif", "bild.gif"},
      {"source.png", "bild.png"}, {"source.jpg", "bild"},      {"source.gif", "FOTO"},
      {"source.png", "bild.jpg"}, {"source.bmp", "karta.gif"}, {"source.jpg", "bild."},
  };
  for (const auto& c : cases) {
    write(c.name, read(c.source));
    const QImage image = loadPicture(path(c.name));
    ASSERT_EQ(image.size(), QSize(64, 48)) << c.name << " from " << c.source;
    EXPECT_TRUE(near(image.pixel(8, 24), qRgb(255, 0, 0))) << c.name;
    EXPECT_TRUE(near(image.pixel(56, 24), qRgb(0, 0, 255))) << c.name;
    EXPECT_EQ(loadPicture(read(c.name)).size(), QSize(64, 48)) << c.name << " from memory";
  }
}

TEST_F(PictureFileTest, ReadsMetafilesUnderAnyName) {
  for (const char* name : {"bild", "ritning.wmf", "ritning.bmp"}) {
    write(name, sampleWmf());
    const QImage image = loadPicture(path(name));
    ASSERT_EQ(image.size(), QSize(200, 150)) << name;
    EXPECT_EQ(image.pixel(50, 40), qRgb(255, 0, 0)) << name;
  }
  EXPECT_EQ(loadPicture(sampleWmf()).size(), QSize(200, 150));
}

TEST_F(PictureFileTest, NoPictureGivesANullImage) {
  QByteArray random(4096, '\0');
  QRandomGenerator gen(1);
  for (char& c : random) c = char(gen.bounded(256));
  // A bitmap header that asks for 50000 x 50000 pixels and brings a few bytes.
  QByteArray hugeBmp;
  {
    QBuffer buffer(&hugeBmp);
    buffer.open(QIODevice::WriteOnly);
    halves().save(&buffer, "BMP");
  }
  hugeBmp[18] = 0x50, hugeBmp[19] = char(0xC3);
  hugeBmp[22] = 0x50, hugeBmp[23] = char(0xC3);
  hugeBmp.truncate(200);
  const QByteArray wmf = sampleWmf();

  write("empty", {});
  write("random", random);
  write("text.txt", "en vanlig textfil\r\n");
  write("cut.wmf", wmf.left(wmf.size() - 10));
  write("garbled.wmf", wmf.left(22) + random);
  write("huge.bmp", hugeBmp);
  write("bild.pbm", "P1\n2 2\n0 1\n1 0\n");  // Qt reads it, but it is no picture format of ours
  QDir(dir.path()).mkdir("mapp");
  ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);

  for (const char* name : {"missing.jpg", "mapp", "empty", "random", "text.txt", "cut.wmf",
                           "garbled.wmf", "huge.bmp", "bild.pbm", "pipe"}) {
    EXPECT_TRUE(loadPicture(path(name)).isNull()) << name;
    if (QFileInfo(path(name)).isFile()) {
      EXPECT_TRUE(loadPicture(read(name)).isNull()) << name << " from memory";
    }
  }
  EXPECT_TRUE(loadPicture(QString()).isNull());
  EXPECT_TRUE(loadPicture(QByteArray()).isNull());
}

TEST_F(PictureFileTest, PicturesCutShortDoNotCrash) {
  QImage noise(256, 256, QImage::Format_RGB32);
  QRandomGenerator gen(2);
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) noise.setPixel(x, y, gen.generate() | 0xFF000000);
  QByteArray jpeg;
  {
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(noise.save(&buffer, "JPEG"));
  }
  const QByteArray gif = gifBytes(halves(), {qRgb(255, 0, 0), qRgb(0, 0, 255)});
  for (const QByteArray& whole : {jpeg, gif}) {
    for (qsizetype cut : {qsizetype(3), qsizetype(40), whole.size() / 2, whole.size() - 2}) {
      const QImage image = loadPicture(whole.left(cut));  // a partial picture is fine
      if (!image.isNull()) {
        EXPECT_LE(image.width(), 256);
      }
    }
  }
}

TEST_F(PictureFileTest, LargePicturesLoadUpToTheLimit) {
  {
    // 8000 x 8000 at 32 bits is 256 MB, past Qt's own allocation limit.
    QImage big(8000, 8000, QImage::Format_RGB32);
    big.fill(qRgb(0, 128, 0));
    ASSERT_TRUE(big.save(path("stor"), "PNG", 100));
  }
  const QImage image = loadPicture(path("stor"));
  ASSERT_EQ(image.size(), QSize(8000, 8000));
  EXPECT_EQ(image.pixel(7999, 7999), qRgb(0, 128, 0));
}

TEST_F(PictureFileTest, PicturesBeyondTheLimitAreRefusedBeforeDecoding) {
  // 12000 x 12000 is 144 megapixels; one bit each keeps the file small.
  QImage tooBig(12000, 12000, QImage::Format_Mono);
  tooBig.fill(1);
  ASSERT_TRUE(tooBig.save(path("för_stor.png"), "PNG"));
  EXPECT_TRUE(loadPicture(path("för_stor.png")).isNull());
}

}  // namespace
