#pragma once
// TRANSITIONAL (removed before landing)
#include "presentation/placement/field_record.h"
