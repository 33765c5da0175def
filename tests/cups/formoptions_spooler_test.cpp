// SPDX-License-Identifier: GPL-2.0-or-later
// The transfer form's values-only switch against a spooler whose queues have no default, as cups-pdf
// leaves a new machine: there is no queue to calibrate for, and values only still works.
#include "app/formoptions.h"
#include "data/dm2.h"
#include "spooler.h"

#include <gtest/gtest.h>

TEST(SpoolerFormOptions, ValuesOnlyWithQueuesButNoDefault)
{
    SKIP_WITHOUT_SPOOLER();
    qputenv("PRINTER", "Nonexistent"); // names no queue, so the spooler has no default
    data::TDM2 dm;
    printout::TfrPrzelNew form(dm.mtPlat);
    EXPECT_EQ(app::reportQueue(form.rp), QString());
    app::setValuesOnly(form, true);
    EXPECT_TRUE(form.valuesOnly());
    EXPECT_EQ(form.rp.Placement, report::TRpPlacement {});
    EXPECT_FALSE(form.rp.PreviewUnderlay.isEmpty());
    qunsetenv("PRINTER");
}
