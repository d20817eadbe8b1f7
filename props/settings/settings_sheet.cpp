#include "props/settings/settings_sheet.h"

#include "document/orvanta_doc.h"
#include "props/settings/executables_page.h"
#include "props/settings/settings_pages.h"
#include "resources/string_table.h"
#include "resources/ui_text.h"

CSettingsSheet::CSettingsSheet(std::string caption, COrvantaDoc* document)
    : SheetModel(std::move(caption)),
      ownOptions_(COrvantaOptions::kProgramSettings),
      options_(document ? document->Settings.get() : &ownOptions_),
      document_(document),
      before_(*options_) {}

std::unique_ptr<CSettingsSheet> CSettingsSheet::ForDocument(COrvantaDoc& document) {
    std::unique_ptr<CSettingsSheet> sheet(
        new CSettingsSheet(TrId(IDS_CAPTION_DOC_SETTINGS), &document));
    sheet->AddPage(std::make_unique<CSettingsAuthorPage>(document.Settings->Author));
    sheet->AddPage(std::make_unique<CSettingsIncludesPage>(document.Settings->Includes));
    return sheet;
}

std::unique_ptr<CSettingsSheet> CSettingsSheet::ForProgram() {
    std::unique_ptr<CSettingsSheet> sheet(
        new CSettingsSheet(TrId(IDS_CAPTION_APP_SETTINGS), nullptr));
    COrvantaOptions& o = sheet->ownOptions_;
    sheet->AddPage(std::make_unique<CSettingsAuthorPage>(o.Author));
    sheet->AddPage(std::make_unique<CSettingsCompatiblePage>(o.Compatible));
    sheet->AddPage(std::make_unique<ExecutablesPageModel>(
        o.Executables, ExecutablesPageModel::kBoth, Tr("POV-Ray / Viewer")));
    sheet->AddPage(std::make_unique<CSettingsModellerPage>(o.Modeller));
    return sheet;
}

void CSettingsSheet::Finish(bool ok) {
    if (!ok)
        return;
    if (document_) {
        // a changed setting is a change of the scene: without the mark it would be lost
        // without the save question when the scene closes
        if (DocumentSettingsDiffer(before_, *options_))
            document_->SetModifiedFlag(true);
        return;
    }
    options_->Save();
}

bool DocumentSettingsDiffer(const COrvantaOptions& a, const COrvantaOptions& b) {
    return a.Author.Name != b.Author.Name || a.Author.Company != b.Author.Company ||
           a.Author.ShowInfoAlways != b.Author.ShowInfoAlways ||
           a.Author.MoreInfo != b.Author.MoreInfo ||
           a.Includes.PovVersion30 != b.Includes.PovVersion30 ||
           a.Includes.AdditionalIncludes != b.Includes.AdditionalIncludes;
}
