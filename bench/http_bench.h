#pragma once
namespace meridian::bench {
// Over HTTP at 1 and 50 users at once: sign-in against a bare round trip;
// then, with every user signed in and the client list open, the list page
// and a search keystroke against a bare round trip on the same connections.
void runHttpBenchmarks();
// The steady state alone at 50 users, to profile the screens without the
// password hashes of sign-in.
void runHttpSteadyState();
}  // namespace meridian::bench
