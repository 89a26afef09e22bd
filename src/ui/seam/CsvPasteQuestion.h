// The question a paste of CSV rows asks before rows placed from a numbered
// channel run past 180 into L1..PR; shared by the main window and the
// channel table.
#pragma once

struct TCsvImportPlan;
class TChannelDocument;
class QWidget;

// Nothing to ask, or Yes: the plan stays whole. No: only the rows up to
// 180 stay. Cancel: false, and the paste does nothing.
bool AskCsvRowsPast180(QWidget *parent, TCsvImportPlan &plan, const TChannelDocument &doc);
