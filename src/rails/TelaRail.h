#pragma once

namespace tarsel {

// The three screens that read the converter report. They share the parse and differ in a few rules
// (skip rules, timed-out values, failing steps, empty answers, where the decimals are kept).
enum class TelaRail { PMU, BuckLdo, VCore };

} // namespace tarsel
