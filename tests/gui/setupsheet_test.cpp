// Tests of setupsheet, filled in with the work.
