// The report's "Motor és orsó ellenőrzése" section: the catalogue inputs, the
// table of checks in their groups with the words of every marked figure, and
// what the screw's length stands for. Drawn as vectors, as the window's table.
#pragma once

#include "calc/check_inputs.h"
#include "core/field_store.h"
#include "report/report_page.h"

namespace vorbento {

inline const QString kCheckSectionTitle = QStringLiteral("Motor és orsó ellenőrzése");

void add_check(ReportFlow& flow, const QPaintDevice& device, const FieldStore& store, const CheckTexts& checks);

}  // namespace vorbento
