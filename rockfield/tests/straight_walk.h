#pragma once
// The straightforward record pass: every record against every later record, for comparing the
// linear contact scan with it.

// The record pass walked plainly; false when the craft was hit.
bool record_pass_walk();

// One field step with the plain walk; false when the craft was hit.
bool logic_walk();
