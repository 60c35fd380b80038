#pragma once

#include "radio/exchange_trace.h"

// How quickly a radio answers, from a trace of its exchanges; every time in milliseconds.
struct ReplyTimes {
  int replies = 0;  // exchanges that got a reply; the rest are zero when there was none
  // From the end of a command on the line to the start of the first byte of its reply.
  double leastReactionMs = 0;
  double medianReactionMs = 0;
  double mostReactionMs = 0;
  // The longest pause between two pieces of one reply, not counting their own line time.
  double longestPauseMs = 0;
};

// Only a piece's arrival is seen, so its bytes are taken to have come in one after the
// other at line speed up to then: a byte passed on late makes the radio look slower, never
// faster.
ReplyTimes ReplyTimesOf(const ExchangeTrace& trace);
