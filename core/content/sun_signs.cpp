// Sun-sign profiles, Aries to Pisces. The compatible signs of each row are the
// other two signs of its element. Each trait paragraph is one line of text with
// no line breaks; the report shows it exactly as stored.
#include "content/sun_signs.h"

namespace starwise::content {

constexpr std::array<SunSignProfileRow, 12> kSunSignProfiles{{
    {
        "Aries", "Fire", "9", "Tuesday", "Leo and Sagittarius", "Diamond",
        R"(You may be pioneers in your fields and developers of new technologies, because you would rather open a road than follow one. You wake up with a plan and have usually acted on it before lunch. Courage comes naturally to you: you volunteer for the hard first step that others put off, and your enthusiasm pulls a hesitant team along behind you. You are honest to the point of bluntness, so people always know where they stand with you. Setbacks rarely keep you down for long; you dust yourself off, take the lesson and try again with fresh energy. A healthy competitive streak keeps you sharp, and your generosity in victory makes you a leader people are glad to follow.)",
        "",
        R"(You may be arrogant and domineering. You have a short and violent temper that flares at the smallest delay and burns out just as fast, often leaving others bruised long after you have forgotten the quarrel. Patience is not your strong suit: you start projects in a rush and drop them once the novelty fades, leaving the tedious finishing work to someone else. In the heat of the moment you can be selfish, thinking of your own goal first and of other people's feelings later. Because you hate to lose, you sometimes push a point well past reason. Learning to count to ten, and to listen before you charge, will spare you many needless battles.)",
        1,
    },
    {
        "Taurus", "Earth", "6", "Friday", "Capricorn and Virgo", "Emerald",
        R"(You are patient and enduring in nature. You are very practical and prefer solid results to grand promises, so the things you build tend to last. Once you commit to a person or a goal you stay the course through good seasons and bad, and friends lean on your steadiness. You have a fine feel for comfort and beauty: good food, soft fabrics, music and a well-kept garden restore you. Money is safe in your hands, since you save carefully and spend with thought. You are calm under pressure, slow to anger and warmly affectionate with those you trust, and your quiet reliability makes any home or workplace feel more secure.)",
        "",
        R"(You are very stubborn and inflexible. You are highly possessive. Once your mind is made up, no argument seems able to move you, even when the facts have changed. You can hold on to people, objects and old grudges far longer than is good for you, and a partner may come to feel owned rather than loved. Change unsettles you, so you sometimes stay in a job or a routine that no longer serves you simply because it is familiar. Your love of comfort can slide into laziness or overindulgence. And when you are finally pushed too far, your anger, slow to rise, can be frightening in its force. Loosening your grip a little will bring you more of the security you seek.)",
        2,
    },
    {
        "Gemini", "Air", "5", "Wednesday", "Aquarius and Libra", "Agate",
        R"(You are very adjusting in nature and have a lot of patience. You fit into almost any company, chatting as easily with a child as with a professor, and you relish the give and take of ideas. Your mind is quick and curious; you read widely, pick up new skills with ease and can often see three answers where others see one. You are witty and lively, and your talk makes a long journey feel short. You can juggle several tasks at once without losing the thread, which makes you invaluable in busy work such as writing, teaching, selling or travel. Your youthful spirit stays with you at every age, and you bring fresh air into every room you enter.)",
        "",
        R"(You are inconsistent in your performance. Your restless nature makes it hard for you to stay with one task, one place or even one opinion for long, and people who depend on you may find you brilliant one week and absent the next. You get bored easily and may scatter your energy across too many interests, mastering none of them. When you are nervous you talk too much, and a clever tongue can turn to gossip or half-truths that come back to trouble you. You may keep every conversation light to avoid deep emotions, which can leave those close to you feeling unheard. Choosing a few things that truly matter and seeing them through will show the world what you can really do.)",
        3,
    },
    {
        "Cancer", "Water", "2", "Monday", "Pisces and Scorpio", "Pearl",
        R"(You are very sensitive in nature and generally soft spoken. You sense what others feel before they say a word, and your kindness makes you the friend people call when life goes wrong. Home and family mean a great deal to you; you cook, care and remember birthdays, and you can turn any space into a shelter. You have a long memory and a love of the past, of old photographs, family stories and traditions. At work you are shrewd and careful, especially with money, and your intuition often steers you toward the right choice. Loyal and protective, you defend the people you love with surprising strength, and your tenderness leaves a lasting mark on all who know you.)",
        "",
        R"(You are unstable and very unreliable. You are very moody, and your feelings shift like the tides, so that the cheerful companion of the morning may be withdrawn and sulky by evening. When you are hurt you retreat into your shell instead of saying what is wrong, and you may expect others to guess the cause. You hold on to old wounds and can bring up a slight from years ago. Your wish to protect can turn into clinging or smothering, and a fear of rejection may lead you to steer people through guilt. Worry eats up much of your energy. Learning to name your feelings plainly, and to trust that the people you love will stay, will steady your moods.)",
        4,
    },
    {
        "Leo", "Fire", "8 and 9", "Sunday", "Aries and Sagittarius", "Ruby",
        R"(You are leaders and have a magnetic personality.You are assertive and self-assured, and when you walk into a room people notice. You love to create, to perform and to be appreciated, and you give your whole heart to whatever you take on. Your generosity is famous among your friends: you share your time, your praise and your purse freely. You are loyal and protective toward those in your care, and you bring warmth and play into family life. You have a sunny nature and are optimistic about everything.)",
        R"(You have a proud and dignified presence and don't usually bend down in front of anyone, yet you are quick to lift up someone who is struggling. Your courage and sense of honour make you a natural organiser, whether you are running a business, a stage show or a family celebration.)",
        R"(You have a violent temper. You may be arrogant and dominating. You like to be the centre of attention and can sulk when the spotlight moves to someone else. Pride makes it very hard for you to admit a mistake or to apologise, even when you know you are wrong. Flattery works on you too well, and you may gather admirers rather than honest friends. You can be bossy, assuming that your way is the only way, and you may overspend to keep up an image of success. When your dignity is wounded you roar first and think later. Sharing the stage, and hearing criticism as care rather than attack, will make your natural leadership far stronger.)",
        5,
    },
    {
        "Virgo", "Earth", "3 and 5", "Wednesday", "Capricorn and Taurus", "Sapphire",
        R"(You are very modest by nature. You are perfectionists who notice the small details everyone else misses, and you take real pleasure in doing a job properly. Your mind is clear, analytical and practical; hand you a tangled problem and you will sort it into neat, workable steps. You help without fuss, often serving quietly behind the scenes, and you keep your promises. Health, diet and good habits interest you, and you are a sensible adviser when a friend needs a plan. You are hard working, tidy and careful with money and time. Beneath your reserve lies a gentle heart, and those who earn your trust find a devoted and thoughtful companion.)",
        "",
        R"(Your need for neatness may make them fussy and finicky. You see every flaw, and you may point each one out a little too often, so that friends and colleagues feel judged rather than helped. You are your own harshest critic, too, and can worry yourself ill over a small error. Because nothing ever seems quite good enough, you may put off finishing work or turn down chances you are well able to take. You can grow anxious about health, order and routine, and a sudden change of plan throws you off balance. Being so reserved, you find it hard to ask for help or to show your feelings. Accepting that good is often good enough will bring you peace.)",
        6,
    },
    {
        "Libra", "Air", "6 and 9", "Friday", "Aquarius and Gemini", "Opal",
        R"(You are highly diplomatic individuals. You are charming and gracious, with a gift for making everyone in a room feel welcome and heard. You weigh both sides of a question fairly, which makes you a natural peacemaker and a sound judge of what is just. Beauty matters to you: you dress well, notice colour and proportion, and often have real artistic talent. You thrive in partnership and do your best work alongside others, bringing out their best through encouragement rather than pressure. You stay courteous even under strain and cannot bear cruelty of any kind. Your sense of balance and your easy, friendly manner win you affection in every circle you move in.)",
        "",
        R"(You cannot take make decisions for themselves. You are easily gullible and may believe a sweet word too readily, which leaves you open to people who want to use your good nature. Choosing between two options can take you so long that the chance passes altogether, and you may hand the choice to someone else just to escape the pressure. Your wish to keep the peace can make you dodge necessary arguments, agreeing outwardly while resenting inwardly. You may depend too much on a partner for your sense of worth, and being alone frightens you. A taste for luxury can strain your budget. Trusting your own judgement, even at the risk of displeasing someone, will set you free.)",
        7,
    },
    {
        "Scorpio", "Water", "2 and 4", "Tuesday", "Cancer and Pisces", "Topaz",
        R"(You are intense and strong willed people who have a very determined nature, and once you set a goal you pursue it with a focus few can match. You see beneath surfaces: motives, secrets and hidden feelings rarely escape your notice, which makes you a gifted researcher, detective, healer or counsellor. Your loyalty runs deep; a friend of yours has a friend for life. You are resourceful in a crisis and can rebuild yourself after a loss stronger than before. Passionate and magnetic, you love with your whole being. You keep confidences faithfully and say little about your own plans, and your quiet power commands respect.)",
        "",
        R"(You have a very short temper. Your bluntness may hurt people who did not expect such sharp words, and the sting can last. A betrayal, real or imagined, is almost impossible for you to forgive, and you may nurse a grudge for years or plan a quiet revenge. Jealousy and possessiveness can creep into your closest bonds, and your need for control may leave a partner feeling watched. Because you trust slowly, you keep even good friends at arm's length and reveal little of yourself. At your worst you can be secretive, suspicious and willing to use what you know against others. Letting go of the past, and believing that most people mean you well, will lighten your heart.)",
        8,
    },
    {
        "Sagittarius", "Fire", "5 and 7", "Thursday", "Aries and Leo", "Turquoise",
        R"(You are a happy go lucky lot with a very positive outlook on life, and your laughter is catching. You love freedom, open roads and big questions; travel, study, philosophy and foreign cultures all call to you. You are honest and open-handed, quick to share what you have and what you know. Your faith that things will work out often helps them do just that, and you lift the spirits of anyone who feels low. Adventurous and broad-minded, you welcome new people and new ideas without prejudice. You enjoy sport and the outdoors, and your cheerful energy makes you wonderful company on any trip. Your humour and your sense of fair play earn you a wide circle of friends.)",
        "",
        R"(You may be too outspoken for your own good. You say exactly what you think, often without noticing whom it hurts, and are then surprised when people take offence. Your love of freedom can make you restless and careless about commitments; you may promise more than you can deliver and drift away once things become dull or demanding. You tend to take risks with money, gambling on luck rather than planning. Detail bores you, so small but important tasks may slip through your fingers. You can preach, too, certain that your beliefs are right for everyone. Thinking before you speak, and staying for the ordinary days as well as the exciting ones, will earn you deeper trust.)",
        9,
    },
    {
        "Capricorn", "Earth", "8 and 2", "Saturday", "Taurus and Virgo", "Garnet",
        R"(You are people with a traditional frame of mind. You respect experience, keep your word and value the rules that hold a family or a company together. Ambitious and disciplined, you climb steadily toward your goals one careful step at a time, and you rarely give up halfway. You are practical and responsible, the person others trust with money, planning and hard decisions. Your dry sense of humour surprises those who take you for purely serious. You mature well and often enjoy your greatest success later in life. Faithful to family and old friends, you provide for them without fuss, and your endurance lets you achieve what quicker people abandon.)",
        "",
        R"(You are very rigid in nature and not susceptible to changes. You prefer the known path even when a better one has opened, and you may dismiss new ideas before giving them a fair hearing. Work can swallow your life, leaving little room for rest, play or the people who love you. You can be pessimistic, expecting the worst and bracing yourself for it, and this gloom may wear on those around you. Status and appearances matter to you more than you admit, and you may judge others by their achievements. Tenderness does not come easily to you in words, so you may seem cold when you are simply reserved. Allowing yourself a little softness and spontaneity will enrich your life.)",
        10,
    },
    {
        "Aquarius", "Air", "1 and 7", "Wednesday", "Gemini and Libra", "Amethyst",
        R"(You are magnetic in nature and people get attracted to your personality. You think for yourself, question accepted wisdom and often glimpse the future before others do, which makes you an inventor, reformer or visionary in your own field. You care about people in general and about fairness for all, and you will work hard for a cause that helps the wider community. Friendly and open-minded, you are at ease with every kind of person and judge no one by background or appearance. Science, technology and unusual ideas fascinate you. You value your independence and respect that of others, and your originality brings new life to every group you join.)",
        "",
        R"(You do not make friends very easily inspite of your extrovert nature. You are happy in a crowd but hold back the inner part of yourself, so your acquaintances are many and your confidants few. You can seem cool and detached, treating feelings as problems to be solved rather than experiences to be shared. Once you are sure of an idea you can be surprisingly stubborn, and you may rebel simply to prove that no one owns you. Unpredictable moods and sudden changes of plan can confuse those who rely on you. At times you care more for humanity than for the person right in front of you. Letting a few people see your warmth, and bending now and then, will deepen your bonds.)",
        11,
    },
    {
        "Pisces", "Water", "2 and 6", "Friday", "Cancer and Scorpio", "Aquamarine",
        R"(You are very adjusting, friendly and good- natured people. You feel deeply for others and often know what they need without being told; many come to you for comfort and leave lighter. Your imagination is rich and your inner life vivid, so music, painting, poetry, film and dreams are natural homes for you. You are gentle, forgiving and generous, quick to offer a second chance. Your intuition is strong, and your hunches about people are often right. You settle into new surroundings with ease and can work behind the scenes with quiet devotion. Spiritual questions draw you, and your compassion makes you a healer, carer or artist of real depth.)",
        "",
        R"(You want people to sympathize with your personal problems. You can slip into the role of the victim, waiting to be rescued instead of taking the first step yourself. When life is harsh you escape into daydreams, sleep or habits that numb the pain, and practical matters such as bills and deadlines pile up. Saying no feels unkind to you, so others may take advantage of your kindness. Your boundaries are blurred, and you may soak up the moods of everyone around you until you cannot tell your feelings from theirs. Vague plans and forgotten promises can frustrate those who depend on you. Grounding your dreams in small daily actions will give them real strength.)",
        12,
    },
}};

}  // namespace starwise::content
