// vorn-cli export: a picture of a circuit file as PNG, SVG or PDF, drawn
// without a window or a display.
#pragma once

namespace vorn {

// Usage of the command, one line per form.
extern const char* const kExportUsage;

// Runs `vorn-cli export FILE -o OUT.{png,svg,pdf} [--zoom 1|2|3] [--signals]`
// with argv[2..] its arguments. Returns the exit status: 0 written, 1 an
// unreadable circuit or an unwritable picture, 2 wrong arguments (also an
// unknown picture type), each with a message on standard error.
int RunExportCommand(int argc, char** argv);

}  // namespace vorn
