// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include "LocalHttpServer.h"

namespace testing_support {

// The pages browser tests visit, served by `server`:
//   /first "First page", /second "Second page";
//   /redirect   answers 302 with the address of /second;
//   /frames     "Two frames", a frameset showing /first and /second;
//   /links      "Links", with a target=_blank link to /second (id "blank") and a link to the
//               fragment #bids of the same page (id "part");
//   /late-title "Early title", which its script renames "Late title" after 200 ms;
//   /moves-later "Moving page", whose script pushes the address /moved after 300 ms;
//   /slow       "Slow page", answered only after 4 s;
//   /counter    "Visit n", n counting the requests for it.
void serveTestSite(LocalHttpServer& server);

}  // namespace testing_support
