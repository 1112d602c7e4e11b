#pragma once

namespace tarsel {

// The three screens that read the converter report. They share the parse and differ in a few rules
// (skip rules, timed-out values, failing steps, empty answers, where the decimals are kept).
enum class TelaRail { PMU, BuckLdo, VCore };

// The kind of a rail row of Master (column TIPO). A plain enum: the queries take it as the whole
// number stored in the database.
enum TipoRail : int {
    TipoVCore = 0,
    TipoLDO = 1,
    TipoBUCK = 2,
};

} // namespace tarsel
