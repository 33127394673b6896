// Tests of resultsdialog, filled in with the work.
