// Body rows of the house section. The general paragraph is printed twice in a
// reading: under the body's characteristics heading when it sits in the
// fourth, eighth or twelfth house, and again under its void-of-course heading
// when it stands in the last three degrees of a sign.
#include "content/body_texts.h"

namespace starwise::content {

constexpr std::array<BodyTextRow, 10> kBodyTexts{{
    {"Sun", "Sun In", "Characterstics Of Planet Sun :-", TitleAccent::Primary, 1,
     R"(He can be good or evil depending upon the planets in configuration with him. The Sun sits at the centre of your chart as he sits at the centre of the sky: he stands for your will, your vitality and the warmth you give off without trying. The house he occupies shows where you most need to shine and to be recognised for who you really are. Well supported, he brings confidence, generosity and a steady sense of purpose. Under pressure from hard aspects, the same light can turn into pride, stubbornness or a hunger for praise that is never quite fed. Neither outcome is fixed: the Sun answers to the company he keeps, so read him together with the planets that touch him. He can be good or evil depending upon the planets in configuration with him.)",
     "The Sun Is In Void Of Course"},
    {"Moon", "Moon In", "Characterstics Of Planet Moon :-", TitleAccent::Alternate, 1,
     R"(The moon is the planet most connected to our feelings and emotions linked to other people in their lives. Her house shows where you look for comfort, where your moods rise and fall, and whom you turn to when you need to feel safe.)",
     "The Moon Is In Void Of Course"},
    {"Mercury", "Mercury In", "Characterstics Of Planet Mercury :-", TitleAccent::Primary, 1,
     R"(Mercury governs the way that you communicate with those around you.)",
     "Mercury Is In Void Of Course"},
    {"Venus", "Venus In", "Characterstics Of Planet Venus :-", TitleAccent::Alternate, 2,
     R"(Venus is the planet that is about how people express socially, romantically and artistically.)",
     "Venus Is In Void Of Course"},
    {"Mars", "Mars In", "Characterstics Of Planet Mars :-", TitleAccent::Primary, 1,
     R"(This is where your assertiveness and power will lie. But, depending which house all this extra force of power, anger and assertiveness lies can cause problems for you.)",
     "Mars Is In Void Of Course"},
    {"Jupiter", "Jupiter In", "Characterstics Of Planet Jupiter :-", TitleAccent::Alternate, 1,
     R"(Where the house placement of Jupiter is where you are likely to think optimistically and positively about things.)",
     "Jupiter Is In Void Of Course"},
    {"Saturn", "Saturn In", "Characterstics Of Planet Saturn :-", TitleAccent::Primary, 1,
     R"(This is where people are likely to encounter heavy obstacles. It is the planet of restrictions and limitations.)",
     "Saturn Is In Void Of Course"},
    {"Uranus", "Uranus In", "Characterstics Of Planet Uranus :-", TitleAccent::Alternate, 1,
     R"(This planet shows which areas of our life need to have freedom and seclusion. It is also where a lot of unexpected changes occur.)",
     "Uranus Is In Void Of Course"},
    {"Neptune", "Neptune In", "Characterstics Of Planet Neptune :-", TitleAccent::Primary, 1,
     R"(Neptune is very mystical and dreamlike it is where the spiritual and psychic side will be portrayed.)",
     "Neptune Is In Void Of Course"},
    {"Pluto", "Pluto In", "Characterstics Of Planet Pluto :-", TitleAccent::Alternate, 1,
     R"(Pluto is a very powerful planet yet power struggles may occur.)",
     "Pluto Is In Void Of Course"},
}};

}  // namespace starwise::content
