#include "frontend/data/project/InputFileWriter.h"

#include "frontend/data/project/DataSetWriter.h"
#include "frontend/data/project/RecordText.h"
#include "frontend/data/project/StageFiles.h"
#include "frontend/data/project/TProgramData.h"
#include "frontend/data/project/TextFile.h"

namespace torven::data {

std::string InputFileText(TProgramData& p) {
    FileText out;
    WriteDataSet(p, p.Title, false, out);
    p.LongTermCode = p.LongTerm ? kLongTermCode : 0;
    out.Add(IntText(p.LongTermCode));
    if (p.LongTermCode == kLongTermCode) {
        WriteDataSet(p, p.Title, true, out);
        out.Add("0");
    }
    return out.Text();
}

std::string StageFileText(TProgramData& p) {
    FileText out;
    WriteDataSet(p, StageTitle(p.CurrentStage, p.Title), false, out);
    out.Add(IntText(p.CurrentStage));
    return out.Text();
}

void TProgramData::WriteInputFile() {
    SaveTextFile(FileName, InputFileText(*this));
    SetModified(false);
    HasMEICount = true;
    HasTiebackCount = true;
}

void TProgramData::WriteStageFile() {
    SaveTextFile(StageFileName, StageFileText(*this));
    SetModified(false);
    // What was just written is in the current layout, and is read back so; a
    // conversion of older stage files sets the flags again for each stage it reads.
    HasMEICount = true;
    HasTiebackCount = true;
}

}  // namespace torven::data
