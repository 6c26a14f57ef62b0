#!/usr/bin/env python3
"""Writes the sources of the test pet DUBU (두부) for `pettool pack`: pictures as PNG files,
texts as UTF-8 files and the manifest.

Usage: make_test_pet.py OUTPUT_FOLDER

The pet is small but complete: every animation the engine plays, the actions of idling,
walking, talking and the games of its menu, a menu with icons, status and options, Korean texts,
balloons, cursors, a sound, and a name already given (몽실이). Its user is registered.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import art  # noqa: E402
from drawing import write_bytes, cursor_file, wave_file  # noqa: E402

FRAMES_PER_ROW = 8
LOADING_SIZE = (424, 192)

# Animations by id: frame numbers (see art.POSES). Every id from 1 to 140 exists; the ones the
# engine's movements step through have the lengths their tables need.
ANIMATIONS = {
    1: [0, 0, 1, 1, 0, 0, 1, 1, 2, 0],       # idle
    2: [2, 0, 2, 0],                          # sighing
    13: [7, 3], 14: [7, 5],                   # turning
    15: [3, 4], 16: [5, 6],                   # walking
    17: [3, 4], 18: [5, 6], 19: [3, 4], 20: [5, 6],
    21: [3, 4, 3, 4, 3, 4, 3], 22: [5, 6, 5, 6, 5, 6, 5],
    23: [3, 4, 3, 4, 3, 4, 3], 24: [5, 6, 5, 6, 5, 6, 5],
    25: [3, 4], 26: [5, 6],
    30: [8, 0, 8, 0],                         # talking
    34: [8, 0],
    36: [7, 9, 9, 7],
    50: [0, 1, 0, 1],                         # waiting to be stroked
    52: [14, 15, 15, 14],                     # stroked
    60: [10],                                 # lifted
    61: [11],                                 # dropped
    62: [11, 11],                             # thrown
    63: [8, 9, 8, 9, 8],                      # rewarded
    66: [0, 0, 0, 0, 0, 9, 9, 9, 9, 0, 9, 9, 9, 9, 0],
    70: [10], 71: [10], 72: [11], 73: [11], 74: [11],
    78: [0, 0, 0, 0, 0, 9, 9, 12, 12, 0, 0, 0],
    84: [3, 4], 85: [5, 6], 86: [3, 4],
    87: [5, 6], 88: [5, 6], 92: [3, 4], 93: [3, 4],
    107: [3, 4], 108: [0, 1], 109: [5, 6], 110: [0, 1],
    120: [8, 9], 121: [8], 122: [10], 123: [10], 124: [10], 125: [11], 126: [12], 127: [12],
    128: [8, 9, 8, 9], 130: [8, 9, 8, 9], 137: [10], 138: [10], 139: [11],
}

# Actions: id, name, weights for levels 0..2 (chances out of StatMax), S0..S3, points, seconds, animations.
ACTIONS = [
    (100, "idle", (5000, 5000, 5000), (0, 0, 0, 0), 0, 6, [1]),
    (140, "walkL", (2000, 2000, 2000), (0, 0, 0, 0), 0, 6, [15]),
    (141, "walkR", (2000, 2000, 2000), (0, 0, 0, 0), 0, 6, [16]),
    (146, "talk", (700, 700, 700), (0, 0, 0, 0), 0, 10, [30]),
    (149, "advert", (300, 300, 300), (0, 0, 0, 0), 0, 10, [30]),
    (410, "hungry", (3000, 3000, 3000), (0, 0, 0, 0), 0, 3, [2]),
    (420, "bored", (3000, 3000, 3000), (0, 0, 0, 0), 0, 3, [2]),
    (430, "tired", (3000, 3000, 3000), (0, 0, 0, 0), 0, 3, [2]),
    (440, "lonely", (3000, 3000, 3000), (0, 0, 0, 0), 0, 3, [2]),
    (510, "catch", (0, 0, 0), (800, 0, 0, 0), 10, 20, [70, 71]),
    (520, "catch2", (0, 0, 0), (800, 0, 0, 0), 10, 20, [70, 71]),
    (530, "stroke", (0, 0, 0), (0, 0, 600, 0), 20, 8, [50]),
    (540, "tag", (0, 0, 0), (0, 0, 0, 500), 10, 15, [108]),
    (550, "tagfast", (0, 0, 0), (200, 200, 200, 200), 20, 10, [108]),
    (610, "reward", (0, 0, 0), (0, 0, 0, 0), 0, 3, [63]),
    (620, "reward", (0, 0, 0), (0, 0, 0, 0), 0, 3, [63]),
    (630, "reward", (0, 0, 0), (0, 0, 0, 0), 0, 3, [63]),
    (640, "reward", (0, 0, 0), (0, 0, 0, 0), 0, 3, [63]),
    (701, "lifted", (0, 0, 0), (0, 0, 0, 0), 0, 0, [60]),
    (702, "dropped", (0, 0, 0), (0, 0, 0, 0), 0, 10, [61]),
    (705, "thrown", (0, 0, 0), (0, 0, 0, 0), 0, 10, [62]),
]

MENU = """\
1;910;놀이(&P);0;-1;0;0;0;;
2;210;잡기(&C);1;-1;0;0;0;;
3;230;쓰다듬기(&S);2;-1;0;0;0;;
4;240;술래잡기(&T);3;-1;0;0;0;;
5;911;;-1;-1;0;0;0;;
6;999;;-1;-1;0;0;0;;
7;901;상태(&I);4;-1;0;0;0;;
8;902;설정(&O);5;-1;0;0;0;;
9;999;;-1;-1;0;0;0;;
10;903;종료(&X);6;-1;0;0;0;;
"""

TEXTS = """\
101;두부;
201;설정 파일을 저장하지 못했습니다.;
204;새 친구;
205;친구의 이름을 지어 주세요.;
206;최고 레벨이에요!<BR>늘 고마워요.;
207;레벨이 올랐어요!<BR>더 많이 놀아 주세요.;
208;이름 바꾸기;
209;새 이름을 알려 주세요.;
210;아직 다른 친구가 없어요.;
211;친구 바꾸기;
301;이름: %s;
302;배부름 ;
303;즐거움 ;
304;사랑   ;
305;기운   ;
306;레벨 %d;
307;함께한 지 %d일;
308;항상 위에;
309;소리 켜기;
310;이름 바꾸기...;
311;친구 바꾸기...;
312;두부 정보...;
313;사용자 등록...;
401;잡았다!<BR>배부름 +%d<BR>점수 +%d;
402;잘 걸었어요!<BR>배부름 +%d<BR>점수 +%d;
403;쓰다듬어 줘서 고마워요!<BR>사랑 +%d<BR>점수 +%d;
404;술래잡기 끝!<BR>기운 +%d<BR>점수 +%d;
405;빨랐어요!<BR>%d %d %d %d<BR>점수 +%d;
801;두부 - 데스크톱 친구;
"""

MESSAGES = """\
201;5000;오늘 날씨가 참 좋아요.<BR>같이 놀아요!;
202;5000;두부는 당신이<BR>정말 좋아요.;
251;10000;배가 고파요...;
261;10000;심심해요.<BR>놀아 주세요!;
271;10000;쓰다듬어 주세요.;
281;10000;조금 피곤해요.;
291;10000;돌봐 주세요...;
"""


def script_text():
    lines = ["[HEADER]", "Version;1;", "Type;DUBU;", "Desc;두부 - 시험용 펫;", "",
             "[CONFIG]", f"Size;{art.FRAME_W},{art.FRAME_H};", "Levels;3;",
             "LevelPoints;100,300,1000;", "AniNum;140;", f"ActNum;{len(ACTIONS)};",
             "ListA;;", "ListB;;", "StatMax;10000;", "", "[ANILIST]"]
    for aid in range(1, 141):
        frames = ANIMATIONS.get(aid, [0, 1])
        sound = "0,1" if aid == 63 else ""
        lines.append(f"{aid};a{aid};{sound};{','.join(map(str, frames))};")
    lines += ["", "[ACTLIST]"]
    for aid, name, weights, needs, points, seconds, anims in ACTIONS:
        fields = [str(aid), name, *map(str, weights), *map(str, needs), str(points),
                  str(seconds), ",".join(map(str, anims))]
        lines.append(";".join(fields))
    lines += ["", "[MNULIST]", *MENU.splitlines(), "",
              "[RES_ICON]", "Image;ICON.BCF;", "Size;16,16;", "0;0;놀이;", "1;1;잡기;",
              "2;2;쓰다듬기;", "3;3;술래잡기;", "4;4;상태;", "5;5;설정;", "6;6;종료;", "",
              "[RES_CURSOR]", "Count;5;", "0;0;HAND.CUR", "1;0;FISH.CUR", "2;0;PAW.CUR",
              "3;0;FEATHER.CUR", "4;0;NET.CUR", "",
              "[RES_OBJECT]", "Image;OBJECTS.BCF;", "0;233,203;24,43;0;말풍선;",
              "1;182,183;49,329;0;알림 풍선;", "2;36,36;260,6;0;꽃;", "3;36,36;260,6;0;꽃;",
              "4;36,36;260,60;0;공;", "",
              "[RES_SOUND]", "0;삑;BEEP.WAV;짧은 소리", "",
              "[RES_TEXT]", *TEXTS.splitlines(), "",
              "[RES_MESSAGE]", *MESSAGES.splitlines()]
    return "\n".join(lines) + "\n"


COMMON_CONFIG = """\
[User Info]
UserName;홍길동
UserSex;Male
UserBirthDate;19990731
UserLoginID;dubu
UserLoginPasswd;secret
Useremail;dubu@example.org
UserIsConnected;
UserOS;
UserPoint;0
UserLevel;0
UserGold;0
User1;0
User2;0
User3;0
User4;0
User5;0

[Pets Info]
PsNum;1
Ps(0,DUBU,X,True)
"""

PET_STATE = """\
[Pet Infos]
PetNo;0
PetType;DUBU
PetDesc;두부
PetName;몽실이
PetOnTop;0
PetOnSound;1
PetStartDate;20261201
PetLastDate;
PetPeedTime;0
PetLevel;0
PetScore;0
PetGold;0
PetPoint;0
PetS0;9000
PetS1;6500
PetS2;3500
PetS3;8200
"""

AD_MESSAGES = """\
1;10;두부네 집에 놀러 오세요!<BR><LINK=http://example.org/dubu>두부 홈페이지</LINK>;
2;5;<LINK=https://example.org/news>새 소식</LINK>을<BR>확인해 보세요.;
"""

MANIFEST = """\
# The test pet DUBU, written by tests/e2e/pet/make_test_pet.py
config PET.CFG.txt
picture bar.png PETBAR00.BCF
picture petload.png PETLOAD.BCF
picture petend.png PETEND.BCF
picture icons.png ICON.BCF
picture objects.png OBJECTS.BCF
bitmap heart.png HEART.BMP
cursor HAND.CUR HAND.CUR
cursor FISH.CUR FISH.CUR
cursor PAW.CUR PAW.CUR
cursor FEATHER.CUR FEATHER.CUR
cursor NET.CUR NET.CUR
sound beep.wav BEEP.WAV
pet DUBU
  script DUBU.ani.txt
  frames frames 8
  state DUBU.cfg.txt
  messages DUBU.cmc.txt
"""


def main(argv):
    if len(argv) != 2:
        sys.stderr.write(__doc__.split("\n\n")[1] + "\n")
        return 2
    out = argv[1]
    texts = {"pet.manifest": MANIFEST, "PET.CFG.txt": COMMON_CONFIG, "DUBU.ani.txt": script_text(),
             "DUBU.cfg.txt": PET_STATE, "DUBU.cmc.txt": AD_MESSAGES}
    for name, text in texts.items():
        write_bytes(os.path.join(out, name), text.encode("utf-8"))
    for number, frame in enumerate(art.frames()):
        frame.save(os.path.join(out, "frames", f"{number}.png"))
    art.gauge_bar().save(os.path.join(out, "bar.png"))
    art.loading_picture(*LOADING_SIZE).save(os.path.join(out, "petload.png"))
    art.end_picture().save(os.path.join(out, "petend.png"))
    art.menu_icons().save(os.path.join(out, "icons.png"))
    art.objects().save(os.path.join(out, "objects.png"))
    art.heart_bitmap().save(os.path.join(out, "heart.png"))
    for name, (layers, hotspot) in art.cursors().items():
        write_bytes(os.path.join(out, name), cursor_file(layers, hotspot))
    write_bytes(os.path.join(out, "beep.wav"), wave_file())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
