// Operation "Editar parâmetros": the parameters shown in their dialog and
// taken back from it.
#pragma once

#include "frame/log.h"
#include "workbench/parameters.h"
#include "workbench/parameters_form.h"

namespace workbench {

// The values are taken as the fields hold them, without a range check, and
// however the dialog was closed.
void EditParameters(ParametersForm& dialog, Parameters& parameters, frame::Log& log);

}  // namespace workbench
