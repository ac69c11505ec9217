// SPDX-License-Identifier: GPL-3.0-or-later
// The leak checker's settings for the window tests, built into the program so
// that ctest, CI and a developer's shell run it alike; unused without the
// sanitizers.
//
// At exit the checker walks every thread's dynamic TLS. With the libraries
// under Qt (glib's, loaded at run time) that walk can meet a block whose
// bounds are not valid and crash the checker itself, depending only on how the
// test program is laid out. The TLS is not scanned, then; what only glib's
// per-thread buffers hold is glib's, not ours, and is not reported.
extern "C" {
const char* __lsan_default_options();
const char* __lsan_default_suppressions();

const char* __lsan_default_options() { return "use_tls=0"; }
const char* __lsan_default_suppressions() { return "leak:libglib-2.0.so\n"; }
}
