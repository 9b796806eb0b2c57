#include "qiv_data_set.h"

#include <fstream>
#include <unistd.h>

#include "ratekit/rating_context.h"
#include "shell/qiv_program.h"

namespace qiv::testing {

namespace {

namespace rc = ratekit::context;

struct Image {
  platform::FieldSpan block;
  std::vector<std::uint8_t>* bytes;
};

class CurrentDirectory {
 public:
  explicit CurrentDirectory(const std::filesystem::path& to) : before_(std::filesystem::current_path()) {
    std::filesystem::current_path(to);
  }
  ~CurrentDirectory() { std::filesystem::current_path(before_); }

 private:
  std::filesystem::path before_;
};

}  // namespace

std::vector<LanguageText> DefaultLanguageTexts() {
  return {
      {30, "Run", "Ejecutar"},
      {31, "Options", "Opciones"},
      {32, "View", "Ver"},
      {33, "Help", "Ayuda"},
      {100, "Warning", "Advertencia"},
      {123, "Fatal Error", "Error Fatal"},
      {152, "Question", "Pregunta"},
      {156, "Exit the rating program?", "\xBFSalir del programa?"},
      // The commands' refusals, each text naming its number (the same in
      // both languages).
      {111, "111 nothing to export", "111 nothing to export"},
      {115, "115 no map", "115 no map"},
      {116, "116 no weight on the first line", "116 no weight on the first line"},
      {120, "120 address not opened", "120 address not opened"},
      {130, "130 a program still runs", "130 a program still runs"},
      {144, "144 too many price sheets", "144 too many price sheets"},
      {145, "145 price sheet not started", "145 price sheet not started"},
      {146, "146 settings while a program runs", "146 settings while a program runs"},
      {147, "147 discounts withdrawn", "147 discounts withdrawn"},
      {148, "148 border crossing while a program runs", "148 border crossing while a program runs"},
      {255, "255 discounts need the combined table", "255 discounts need the combined table"},
      {292, "292 no address file", "292 no address file"},
      {533, "533 no terminal information", "533 no terminal information"},
      {178, "The rating library has no OpenLevelFile.", "La biblioteca no tiene OpenLevelFile."},
      {215, "The rating library has no GetTerminals.", "La biblioteca no tiene GetTerminals."},
      {216, "Delete level", "Borrar nivel"},
      {251, "Yes", "S\xED"},
      {252, "No", "No"},
      {300, "The level file cannot be opened.", "No se puede abrir el archivo de niveles."},
      {537, "QIV Freight Rating", "QIV Tarifas de Carga"},
      {4421, "Origin:", "Origen:"},
      {4422, "Destination:", "Destino:"},
      {32792, "Print Shipment", "Imprimir Env\xEDo"},
      {32836, "English", "Ingl\xE9s"},
      {32837, "Spanish", "Espa\xF1ol"},
      {32787, "Contents", "Contenido"},
      {41000, "The origin's ZIP or postal code",
       "El c\xF3"
       "digo postal de origen"},
      {41002, "The destination's ZIP or postal code",
       "El c\xF3"
       "digo postal de destino"},
      {72792, "Print the rated shipment", "Imprimir el env\xEDo tarifado"},
  };
}

std::string LanguageFile(const std::vector<LanguageText>& texts) {
  std::string file;
  for (const LanguageText& text : texts)
    file += std::to_string(text.key) + "\r\n(comment)\r\n" + text.english + "\r\n" + text.spanish + "\r\n";
  return file;
}

QivDataSet::QivDataSet()
    : root_(dir_.path()),
      set_(ratekit::tariff_settings::kSize, 0),
      def_(ratekit::rating_defaults::kSize, 0),
      dis_(ratekit::discount_file::kSize, 0),
      mef_(ratekit::mexico_defaults::kSize, 0),
      met_(ratekit::mexico_settings::kSize, 0) {
  for (const char* folder : {"RELEASE", "ZQDATA", "WORK"}) std::filesystem::create_directories(root_ / folder);
  for (const char* library : {"STANDIN.so", "STANDIN1.so", "STANDIN2.so", "STANDENG.so", "STANDGDE.so"})
    std::filesystem::copy_file(std::filesystem::path(QIV_STAND_IN_DIR) / library, data() / library);
  write("LEVEL.LVL", "TESTBASE20240115\r\n");
  write("TESTBASE.DSP", "");
  // The flags that remove commands are 'N' unless a test says otherwise.
  for (std::size_t at : {174u, 191u, 197u, 205u, 211u, 213u}) set_[at] = 'N';
}

void QivDataSet::write(std::string_view name, std::string_view content) const {
  std::ofstream(data() / name, std::ios::binary) << content;
}

void QivDataSet::remove(std::string_view name) const { std::filesystem::remove(data() / name); }

bool QivDataSet::exists(std::string_view name) const { return std::filesystem::exists(data() / name); }

std::string QivDataSet::read(std::string_view name) const { return platform::testing::ReadFileText(data() / name); }

std::vector<std::uint8_t>* QivDataSet::imageOf(platform::FieldSpan field, std::size_t& offset) {
  const Image images[] = {{rc::kTariffSettingsImage, &set_},
                          {rc::kRatingDefaultsImage, &def_},
                          {rc::kDiscountFileImage, &dis_},
                          {rc::kMexicoDefaultsImage, &mef_},
                          {rc::kMexicoSettingsImage, &met_}};
  for (const Image& image : images) {
    if (field.offset >= image.block.offset && field.end() <= image.block.end()) {
      offset = field.offset - image.block.offset;
      return image.bytes;
    }
  }
  return nullptr;
}

void QivDataSet::setText(platform::FieldSpan field, std::string_view text) {
  std::size_t offset = 0;
  std::vector<std::uint8_t>* image = imageOf(field, offset);
  if (image == nullptr) return;
  for (std::size_t i = 0; i < field.width; ++i)
    (*image)[offset + i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0;
}

void QivDataSet::setShort(platform::FieldSpan field, std::int16_t value) {
  std::size_t offset = 0;
  std::vector<std::uint8_t>* image = imageOf(field, offset);
  if (image == nullptr) return;
  platform::StoreLittleEndian<std::int16_t>(image->data() + offset, value);
}

void QivDataSet::writeSettings() const {
  auto bytes = [](const std::vector<std::uint8_t>& image) {
    return std::string(reinterpret_cast<const char*>(image.data()), image.size());
  };
  write("TESTBASE.SET", bytes(set_));
  write("TESTBASE.DEF", bytes(def_));
  write("TESTBASE.DIS", bytes(dis_));
  if (mexico_) {
    write("TESTBASE.MEF", bytes(mef_));
    write("TESTBASE.MET", bytes(met_));
  }
}

void QivDataSet::writeFiles() const {
  if (languageFile)
    write("QIV32.LNG", *languageFile);
  else if (texts)
    write("QIV32.LNG", LanguageFile(*texts));
  else
    remove("QIV32.LNG");
  if (libraryNames)
    write("LIBNAME.FIL", *libraryNames + "\r\n");
  else
    remove("LIBNAME.FIL");
  write("STANDIN.TXT", standIn);
  writeSettings();
}

int QivRun::run(std::string commandLine) {
  data_.writeFiles();
  environment.programPath = data_.programPath();
  environment.commandLine = std::move(commandLine);
  environment.help = &help;
  environment.opener = &opener;
  environment.calculator = &calculator;
  if (environment.programs == nullptr) environment.programs = &programs;
  environment.diagnostics = &diagnostics;
  CurrentDirectory inWork(data_.work());
  return RunQiv(environment);
}

}  // namespace qiv::testing
