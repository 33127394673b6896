// Tests of gamefiles, filled in with the work.
