// Tests of optionsdialog, filled in with the work.
