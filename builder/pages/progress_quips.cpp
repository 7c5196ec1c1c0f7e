#include "builder/pages/progress_quips.h"

#include <array>

namespace builder {

namespace {

const std::array<std::string, 50> kProgressQuips = {
    "Generating pages - shouldn't be long, I hope...",
    "What's the weather like today?...",
    "Haven't you gone to make a cuppa yet?...",
    "Every page is generated line by line...",
    "Did you see the match last night?...",
    "The pages for five classes now complete...",
    "Yes, I'm still going...",
    "You should try doing this by hand...",
    "Eeeek!  A mouse!...",
    "What are you wearing?...",
    "That's ten classes finished...",
    "You got many more of these to do?...",
    "Knock Knock...",
    "'Pencil'...",
    "Pencil fall down if you don't have a belt...",
    "Fifteen classes done and there's still more!...",
    "Almost time for another cuppa...",
    "Counting pages so you don't have to...",
    "Did you say something?  Sorry, I wasn't listening...",
    "Is it lunchtime yet?...",
    "Twenty classes now complete...",
    "I'm getting very weary...",
    "A proper crop of poppies is a proper poppy crop...",
    "Nearly there, or so I keep saying...",
    "Do you prefer dogs or cats?...",
    "You're hanging on my every word, aren't you?...",
    "There's a prize for collecting all these messages...",
    "Beware of snakes in the power supply...",
    "Tell me about yourself...",
    "Wow! This is a big school!...",
    "You don't say...",
    "Please let this be the last class...",
    "Nope...",
    "The majority of schools would never see this message...",
    "Still going...",
    "You're more patient than I thought...",
    "Would you like fries with that?...",
    "I'm running out of messages...",
    "Starting to get bored...",
    "This school has many, many students...",
    "Class No. 41...",
    "Class No. 42...",
    "Class No. 44 - uh I mean 43...",
    "Now it's 44...",
    "Oh no an error!  Starting again...",
    "Class No. 1...",
    "Just kidding, it's really class No. 47...",
    "Class No. 48...",
    "Come back to the PC now, almost done...",
    "No more messages till finished.  Please wait...",
};

int quip_counter = 0;  // classes begun in this run

}  // namespace

const std::string& NextProgressQuip() {
  if (quip_counter < 50) ++quip_counter;
  return kProgressQuips[quip_counter - 1];
}

void ResetProgressQuips() { quip_counter = 0; }

}  // namespace builder
