// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/factory/factory_pages.h"

#include "core/base/c_text.h"
#include "core/base/texts.h"
#include "core/schema/builders.h"

namespace cps {

namespace {

constexpr const char* kDigital = QT_TRANSLATE_NOOP("CoreText", "数字");
constexpr const char* kAnalog = QT_TRANSLATE_NOOP("CoreText", "模拟");
// The two DC offsets sit in a group box without a caption.
constexpr const char* kCaptionless = " ";

Field Hex(std::string key, std::string label, std::size_t addr, std::uint16_t empty = kHexWordEmpty) {
  return HexWord(std::move(key), std::move(label), addr, empty);
}
// Gain index A or B: a stored index outside 0..63 shows the 0 item, and so
// does a list left without a selection when it is stored.
Field GainA(std::string key, std::string label, std::size_t addr) {
  return ComboIndex(std::move(key), std::move(label), FactoryGainListA(), addr, kGainAZeroItem);
}
Field GainB(std::string key, std::string label, std::size_t addr) {
  return ComboIndex(std::move(key), std::move(label), FactoryGainListB(), addr, kGainBZeroItem);
}

PageSchema BuildTx() {
  PageSchema p;
  p.key = "factory";
  p.title = QT_TRANSLATE_NOOP("CoreText", "Tx");
  p.fields = {
      InGroup(Hex("lout_dc_offset", QT_TRANSLATE_NOOP("CoreText", "LOUT直流偏置调节"), 0x0040), kCaptionless),
      InGroup(Hex("rout_dc_offset", QT_TRANSLATE_NOOP("CoreText", "ROUT直流偏置调节"), 0x0042), kCaptionless),
      InGroup(Hex("digital_modulation_gain", QT_TRANSLATE_NOOP("CoreText", "两路调制信号增益调节"), 0x0048), kDigital),
      InGroup(Hex("digital_left_signal_gain", QT_TRANSLATE_NOOP("CoreText", "左通道信号增益调节"), 0x004C), kDigital),
      InGroup(Hex("digital_right_signal_gain", QT_TRANSLATE_NOOP("CoreText", "右通道信号增益调节"), 0x004E), kDigital),
      InGroup(GainA("digital_mic_gain", QT_TRANSLATE_NOOP("CoreText", "MIC输入增益调节 (db)"), 0x0050), kDigital),
      InGroup(GainB("digital_left_output_gain", QT_TRANSLATE_NOOP("CoreText", "左通道输出增益调节"), 0x0052), kDigital),
      InGroup(GainB("digital_right_output_gain", QT_TRANSLATE_NOOP("CoreText", "右通道输出增益调节"), 0x0053),
              kDigital),
      InColumn(
          InGroup(Hex("analog_left_signal_gain", QT_TRANSLATE_NOOP("CoreText", "左通道信号增益调节"), 0x005C), kAnalog),
          1),
      InColumn(InGroup(Hex("analog_right_signal_gain", QT_TRANSLATE_NOOP("CoreText", "右通道信号增益调节"), 0x005E),
                       kAnalog),
               1),
      InColumn(
          InGroup(GainA("analog_mic_gain", QT_TRANSLATE_NOOP("CoreText", "MIC输入增益调节 (db)"), 0x0060), kAnalog), 1),
      InColumn(InGroup(GainB("analog_left_output_gain", QT_TRANSLATE_NOOP("CoreText", "左通道输出增益调节"), 0x0062),
                       kAnalog),
               1),
      InColumn(InGroup(GainB("analog_right_output_gain", QT_TRANSLATE_NOOP("CoreText", "右通道输出增益调节"), 0x0063),
                       kAnalog),
               1),
      InColumn(InGroup(Hex("pre_limiter_gain", QT_TRANSLATE_NOOP("CoreText", "限幅前信号增益"), 0x0068), kAnalog), 1),
      InColumn(InGroup(Hex("post_limiter_gain", QT_TRANSLATE_NOOP("CoreText", "限幅后信号增益"), 0x006A), kAnalog), 1),
      InColumn(InGroup(Hex("ctcss_gain", QT_TRANSLATE_NOOP("CoreText", "CTCSS信号增益"), 0x006C), kAnalog), 1),
      InColumn(InGroup(Hex("dcs_gain", QT_TRANSLATE_NOOP("CoreText", "DCS信号增益"), 0x006E), kAnalog), 1),
  };
  return p;
}

PageSchema BuildRx() {
  PageSchema p;
  p.key = "factory";
  p.title = QT_TRANSLATE_NOOP("CoreText", "Rx");
  p.fields = {
      InGroup(GainA("digital_rx_input_gain", QT_TRANSLATE_NOOP("CoreText", "接收输入增益调节 (db)"), 0x0070), kDigital),
      InGroup(Hex("decoder_input_gain", QT_TRANSLATE_NOOP("CoreText", "解码输入增益调节"), 0x0074, kDecoderGainEmpty),
              kDigital),
      InGroup(GainA("analog_rx_input_gain", QT_TRANSLATE_NOOP("CoreText", "接收输入增益调节 (db)"), 0x0078), kAnalog),
      InGroup(Hex("rx_voice_output_gain", QT_TRANSLATE_NOOP("CoreText", "接收话音输出增益调节"), 0x007C), kAnalog),
  };
  return p;
}

PageSchema BuildDtmf() {
  PageSchema p;
  p.key = "factory";
  p.title = QT_TRANSLATE_NOOP("CoreText", "DTMF");
  p.fields = {
      HexWord("dtmf_amplitude", QT_TRANSLATE_NOOP("CoreText", "DTMF编码幅度调节"), 0x0080, kDtmfAmplitudeEmpty, 1),
      GainB("vco_output_gain", QT_TRANSLATE_NOOP("CoreText", "VCO输出增益调节 (db)"), 0x0081),
      GainB("tcxo_output_gain", QT_TRANSLATE_NOOP("CoreText", "TCXO输出增益调节 (db)"), 0x0082),
  };
  return p;
}

}  // namespace

const std::vector<std::string>& FactoryGainListA() {
  static const std::vector<std::string> items = [] {
    std::vector<std::string> out;
    for (int i = 0; i < 64; ++i) out.push_back(FormatGeneral(i * 0.75 - 12));
    return out;
  }();
  return items;
}

const std::vector<std::string>& FactoryGainListB() {
  static const std::vector<std::string> items = NumberItems(-57, 6);
  return items;
}

const PageSchema& FactoryTxPageSchema() {
  static const PageSchema page = BuildTx();
  return page;
}

const PageSchema& FactoryRxPageSchema() {
  static const PageSchema page = BuildRx();
  return page;
}

const PageSchema& FactoryDtmfPageSchema() {
  static const PageSchema page = BuildDtmf();
  return page;
}

const std::vector<const PageSchema*>& FactoryPageSchemas() {
  static const std::vector<const PageSchema*> pages{&FactoryTxPageSchema(), &FactoryRxPageSchema(),
                                                    &FactoryDtmfPageSchema()};
  return pages;
}

void StoreFactoryPages(RadioImage& image) {
  std::vector<PageValues> tabs;
  for (const PageSchema* p : FactoryPageSchemas()) tabs.push_back(LoadPage(*p, image));
  for (PageValues& values : tabs) SavePage(values, image);
}

}  // namespace cps
