#pragma once

// The lines the English About picture writes under its title, in order: the
// generator draws them, and the asset checks find each in every translation.
inline constexpr const char* kAboutLines[] = {"Seven-card stud poker",
                                              "Version 1.0",
                                              "Bets are small in the first two rounds",
                                              "and big in the later rounds.",
                                              "Check",
                                              "stay in without betting",
                                              "Fold",
                                              "give up the hand",
                                              "Call",
                                              "match the bet to stay in",
                                              "Pot",
                                              "the money bet in the deal",
                                              "Game, pictures and sounds by",
                                              "the Seven Stud developers",
                                              "Built with Qt and libjpeg"};
