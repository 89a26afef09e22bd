#include "CsvPasteQuestion.h"

#include "Dialogs.h"
#include "data/CsvImport.h"

bool AskCsvRowsPast180(QWidget *parent, TCsvImportPlan &plan, const TChannelDocument &doc)
{
    const int fit = CsvRowsWithinNumbered(plan);
    if (fit >= plan.rows.size())
        return true;
    switch (Dialogs::Question(parent, CsvOverflowQuestion(plan, doc), Dialogs::Buttons::YesNoCancel,
                              Dialogs::Answer::No)) {
    case Dialogs::Answer::Yes:
        return true;
    case Dialogs::Answer::No:
        plan.rows = plan.rows.mid(0, fit);
        return true;
    default:
        return false;
    }
}
