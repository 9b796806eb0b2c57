#include "test_session.h"

#include "platform/kernel/module_loader.h"
#include "platform/ui/font.h"
#include "screen/screen_ids.h"

namespace qiv::testing {

TestSession::TestSession(QivDataSet& data, Language language) : session(QivEnvironment{}) {
  if (data.texts) data.write("QIV32.LNG", LanguageFile(*data.texts));
  data.write("STANDIN.TXT", data.standIn);
  data.writeSettings();
  session.environment.help = &help;
  session.environment.opener = &opener;
  session.context = RatingContext::Allocate();
  RatingContext& context = *session.context;
  context.setTerminatedText(fields::kDataDirectory, data.data().string() + "/");
  context.setTerminatedText(fields::kStartupDirectory, data.work().string() + "/");
  context.view().setText(fields::kTariffBaseName, kBase);
  session.languageTable = LanguageTable::LoadLanguageFile(session.dataDirectory());
  session.language = language;
  session.helpTranTable = HelpTranTable::FromResource();
  session.applicationFont = platform::ui::CreateFont(ApplicationFontSpec());
  session.screenFonts.create(platform::ui::CreateFont);
  session.libraries.functionLibrary = platform::Module::Load(session.dataFile("STANDIN.DLL"));
  BindLibraryExports(session.bindings, true, false, &platform::SymbolOfModule,
                     session.libraries.functionLibrary.nativeHandle());
  host_.connect(session);
}

TestSession::~TestSession() {
  host_.disconnect(session);
  platform::ui::DeleteFont(session.applicationFont);
}

}  // namespace qiv::testing
