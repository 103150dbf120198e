#pragma once
// Icon and cursor files for Skiren's tests, drawn in memory.
#include <QApplication>

#include "support/file_encoder.h"
#include "support/temp_files.h"
#include "support/test_application.h"
