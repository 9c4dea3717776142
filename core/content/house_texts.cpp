// House descriptions and planet-in-house paragraphs for the three houses the
// reading reports on: the fourth (home and roots), the eighth (shared bonds
// and renewal) and the twelfth (the hidden life).
#include "content/house_texts.h"

namespace starwise::content {

constexpr std::array<HouseRow, 3> kHouses{{
    {4, "Fourth House", "More About Fourth House",
     R"(This house is also known as 'Matristhan' in India or the house of the mother, and it sits at the very bottom of the chart, at the point astrologers call the Imum Coeli. It describes your roots: the home you grew up in, the family you come from, the land and property you hold, and the private self you show only behind a closed door. It is the house of endings as well as beginnings, so it also speaks of later life and the place where you hope to settle. Planets here colour your emotional foundations. Easy ones give a sense of belonging that carries you through hard times; difficult ones may point to a restless childhood or old family patterns that you will want to understand and gently set down. Whatever you build in the world rests on this house.)",
     "Instinct"},
    {8, "Eighth House", "More About Eighth House",
     R"(This house corresponds to the sexual nature of a person. It is the house of deep bonds and shared resources: intimacy and trust, joint finances, inheritance, debts, taxes and the money that reaches you through other people. It also rules crisis, loss and renewal, those moments when something has to end so that something stronger can grow in its place. Planets placed here make you look beneath the surface of life; you are rarely content with easy answers, and you sense what others would rather keep hidden. The lesson of this house is surrender without losing yourself: learning when to hold on, when to let go, and how to come back transformed.)",
     "Perception"},
    {12, "Twelfth  House", "More About Twelfth House",
     R"(In Indian Astrology, this house is known as the 'Vyaysthana', the house of expenses and losses, and in Western astrology it is the house of the hidden and the unseen. It rules solitude, retreat, sleep and dreams, hospitals, prisons and every place of quiet withdrawal, as well as the secret fears you seldom put into words. It is also the house of compassion, charity and spiritual release. Planets here tend to work behind the scenes: their gifts are real but quiet, and they show most clearly when you serve others or spend time alone. Learn to trust your inner life rather than run from it.)",
     "Intuition"},
}};

constexpr std::array<BodyInHouseRow, 10> kBodyInHouse{{
    {"Sun",
     R"(People with sun in the fourth house have a deep need for a home that is truly their own. Family sits at the heart of who they are, and they shine most in private, among the people they love. Many come into their full strength later in life, once their roots are firm.)",
     R"(The energies here tend to be in looking after what is shared: joint money, a partner's resources, the trust others place in you. You are drawn to life's mysteries and unafraid of its darker corners. Each crisis you come through leaves you wiser, stronger and more fully yourself.)",
     R"(People here will have a need for self-perfection. Yet they often hide their light, preferring to work quietly in the background while others take the credit. Solitude is not a punishment for them but a source of strength: time alone lets them recharge and hear the inner voice that guides them. They feel the suffering of others keenly and are drawn to care for the sick, the lonely and the forgotten, in hospitals, charities or places of retreat. The danger is that they doubt themselves too much and let the fear of failing keep them from stepping forward. If this is your Sun, honour the quiet work you do and let yourself be seen. Your compassion and imagination are real gifts, and the world needs them as much as it needs louder talents.)"},
    {"Moon",
     R"(They have a great love for Mother Nature and feel most at peace in a home full of family, growing plants and old, well-loved things.)",
     R"(These people feel that they have a strong sense of other people's hidden moods. Their own feelings run deep and private.)",
     R"(Being in the twelfth house, a house of closed doors, the Moon leads these people to keep their feelings to themselves. They soak up the moods of everyone around them and need time alone to sort out what is theirs. Their dreams can be vivid and telling. Kindness comes naturally to them, but they must learn to ask for the care they give so readily.)"},
    {"Mercury",
     R"(These people have been brought up in a home where ideas, books and conversation mattered. They think best at home and often work from there. Family tradition shapes their opinions, and they recall the past in fine detail. Writing about their roots can bring them both pleasure and profit.)",
     R"(They try to get to the bottom of problems and are never satisfied with a surface answer. Their minds are sharp, probing and quietly suspicious, which makes them natural researchers, detectives and counsellors. They keep secrets well, and talk of money, death or desire does not frighten them. At their best they use words to heal; at their worst, to wound.)",
     R"(They tend to be secretive about their thoughts and keep their best ideas to themselves until they are sure of them. They think in images and hunches more than in logic, and often find it easier to write than to speak. Journals, poetry and quiet hours give their thoughts a safe outlet.)"},
    {"Venus",
     R"(These people are centered strongly around their house they love to make beautiful and welcoming. Harmony with family means a great deal to them.)",
     R"(These people are likely to get money through other people, through marriage, inheritance or partnership. Love for them is intense and all or nothing; they want a bond deep enough to change them.)",
     R"(People here tend to have a life of secretiveness where love is concerned. They may fall for someone they cannot have, keep a romance hidden, or give their heart so fully that they forget themselves. Their affection is tender and selfless, shown through quiet acts of service. Art and music feed their soul. They need a partner who sees them clearly and loves them for it.)"},
    {"Mars",
     R"(They tend to do things themselves rather then getting help, especially at home. Tireless at building and mending, they may clash with family and must learn to cool their temper.)",
     R"(Here people tend to be good at investigating things and digging up what others hide. Their drive is intense, their desires strong and their will hard to break.)",
     R"(They let their subconscious mind govern their desires, dreams and drives, often without knowing why they act as they do. Anger is held in, and can turn inward as tiredness or worry. Given to a hidden cause, a spiritual practice or the care of others, their energy becomes tireless and brave.)"},
    {"Jupiter",
     R"(These people will highly rely on the assistance and blessings of their family. They often enjoy a large, comfortable home, gain through property or land, and grow luckier as the years pass.)",
     R"(These are people who know how to handle money that belongs to others, and they often gain through partners, legacies or investments. They meet loss with faith and usually come back stronger.)",
     R"(These are people that aim to please. They usually have a quiet guardian angel: help arrives just when it is needed. Kind to strangers, they find their deepest joy in charity, faith and peaceful retreat.)"},
    {"Saturn",
     R"(They have a strong dislike for change. Relationships become serious and duty-bound for them, and home can feel like a place of duty rather than rest. Many had a strict or distant parent, or had to grow up too soon. So they build their security slowly, brick by brick, and may settle down only later in life. The reward is real: the home they finally make is solid, lasting and entirely their own. Patience with their own feelings is the lesson.)",
     R"(Finances are likely to be heavily weighed upon these people, through debts, taxes or a partner's burdens. They are cautious about intimacy and slow to trust, yet once committed they stay loyal to the end. Careful planning turns shared money into lasting security.)",
     R"(Their work tends to be under recognized and their efforts go on quietly behind the scenes. Hidden fears can hold them back, but time alone and steady discipline turn those fears into wisdom.)"},
    {"Uranus",
     R"(These people need freedom and are likely to break away from family tradition. Their home life may be unusual, and they often move house more than most.)",
     R"(People here tend to be very intuitive. Both finances and close bonds can change suddenly and without warning.)",
     R"(These people often feel trapped, they often have a restless inner life and flashes of insight out of nowhere.)"},
    {"Neptune",
     R"(These people have a need for personal security and dream of a perfect home that real life rarely matches. Family ties may be tender yet confusing, with a parent who was hard to pin down. A home near water, or a quiet space for prayer, soothes them.)",
     R"(Here it is suggested that these people have strong psychic gifts and sense the unseen. They should keep shared money clear and well recorded, as confusion here costs dearly.)",
     R"(A twelfth house Neptune usually suffers from depression. They feel the sorrow of the world as their own and need time apart to recover. Prayer, music, art and helping those in need lift them up, and their intuition can be remarkably accurate.)"},
    {"Pluto",
     R"(These people are often very attached to the home and family, and upheavals at home reshape their whole lives.)",
     R"(These people analyze things, they posses a good sense of what others hide and of how power really works. Shallow talk bores them.)",
     R"(People that have Pluto in the twelfth house will sense hidden forces at work and keep their own power well concealed. Old fears may linger from childhood, but facing them alone or with a trusted guide brings deep healing and a quiet strength.)"},
}};

}  // namespace starwise::content
